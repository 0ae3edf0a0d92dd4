#include "services/ini_file.h"

#include <vector>

#include "services/atomic_file.h"

namespace {

// The blanks the Windows functions trim around names and values; Ctrl-Z is the old
// end-of-file mark some editors leave behind.
constexpr std::string_view kBlanks = " \t\r\f\v\x1a";
constexpr std::string_view kDefaultLineEnd = "\n";
constexpr char kCommentMark = ';';

std::string_view TrimLeft(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    const auto last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// One physical line: its text without the terminator, and the terminator itself
// ("\n", "\r\n", or empty for a last line without one), so untouched lines are
// written back byte for byte.
struct RawLine {
    std::string_view text;
    std::string_view end;
};

std::vector<RawLine> SplitLines(std::string_view contents) {
    std::vector<RawLine> lines;
    while (!contents.empty()) {
        const auto newline = contents.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({contents, {}});
            break;
        }
        std::size_t textLength = newline;
        if (textLength > 0 && contents[textLength - 1] == '\r') --textLength;
        lines.push_back({contents.substr(0, textLength), contents.substr(textLength, newline + 1 - textLength)});
        contents.remove_prefix(newline + 1);
    }
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

ParsedLine Parse(std::string_view text) {
    text = TrimLeft(text);
    if (text.empty() || text.front() == kCommentMark) return {};
    if (text.front() == '[') {
        const auto close = text.rfind(']');
        if (close == std::string_view::npos) return {};
        return {LineKind::Section, Trim(text.substr(1, close - 1)), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineKind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

// Where a key lives in the file, or where it would go.
struct KeyPlace {
    std::optional<std::size_t> keyLine;       // the first line holding the key
    std::optional<std::size_t> sectionLine;   // the first header of the section
    std::size_t insertAfter = 0;              // the last key (or the header) of that section
};

KeyPlace Locate(const std::vector<RawLine>& lines, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine line = Parse(lines[i].text);
        if (line.kind == LineKind::Section) {
            inSection = SameName(line.name, section);
            inFirstSection = inSection && !place.sectionLine;
            if (inFirstSection) {
                place.sectionLine = i;
                place.insertAfter = i;
            }
        } else if (line.kind == LineKind::Key && inSection) {
            if (inFirstSection) place.insertAfter = i;
            if (SameName(line.name, key)) {
                place.keyLine = i;
                return place;
            }
        }
    }
    return place;
}

std::string_view DominantLineEnd(const std::vector<RawLine>& lines) {
    for (const RawLine& line : lines) {
        if (!line.end.empty()) return line.end;
    }
    return kDefaultLineEnd;
}

bool HasAny(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

// Names that would not read back as written, or would break the lines, are refused.
bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    constexpr std::string_view kLineBreaks = "\r\n";
    const bool sectionOk = !section.empty() && Trim(section) == section && !HasAny(section, kLineBreaks) &&
                           section.find(']') == std::string_view::npos;
    const bool keyOk = !key.empty() && Trim(key) == key && !HasAny(key, kLineBreaks) && key.front() != '[' &&
                       key.front() != kCommentMark && key.find('=') == std::string_view::npos;
    return sectionOk && keyOk && !HasAny(value, kLineBreaks);
}

std::string Edited(std::string_view contents, std::string_view section, std::string_view key,
                   std::string_view value) {
    const std::vector<RawLine> lines = SplitLines(contents);
    const KeyPlace place = Locate(lines, section, key);
    const std::string_view lineEnd = DominantLineEnd(lines);
    std::string out;
    out.reserve(contents.size() + section.size() + key.size() + value.size() + 8);
    auto appendKey = [&](std::string_view name) { out.append(name).append("=").append(value).append(lineEnd); };

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (place.keyLine == i) {
            // The stored spelling of the key is kept; only its value changes.
            out.append(Parse(lines[i].text).name).append("=").append(value);
            out.append(lines[i].end);
            continue;
        }
        out.append(lines[i].text).append(lines[i].end);
        if (!place.keyLine && place.sectionLine && place.insertAfter == i) {
            if (lines[i].end.empty()) out.append(lineEnd);
            appendKey(key);
        }
    }
    if (!place.sectionLine) {
        if (!lines.empty()) {
            if (lines.back().end.empty()) out.append(lineEnd);
            if (!Trim(lines.back().text).empty()) out.append(lineEnd);
        }
        out.append("[").append(section).append("]").append(lineEnd);
        appendKey(key);
    }
    return out;
}

}  // namespace

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    const FileContents file = ReadWholeFile(file_);
    if (file.status != FileReadStatus::Read) return std::nullopt;
    const std::vector<RawLine> lines = SplitLines(file.bytes);
    const KeyPlace place = Locate(lines, section, key);
    if (!place.keyLine) return std::nullopt;
    return std::string(Parse(lines[*place.keyLine].text).value);
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanStore(section, key, value)) return false;
    const FileContents file = ReadWholeFile(file_);
    if (file.status == FileReadStatus::Failed) return false;
    const std::string contents = Edited(file.bytes, section, key, value);
    if (file.status == FileReadStatus::Read && contents == file.bytes) return true;
    return ReplaceFileAtomically(file_, contents);
}
