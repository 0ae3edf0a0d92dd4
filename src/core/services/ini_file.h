#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// One INI file read and written the way the Windows private-profile functions do:
// section and key names match whatever their case, values are the raw text after
// the equals sign with surrounding blanks trimmed, and every call goes to the file,
// so several owners can share it without caching.
//
// A write rewrites only the key's own line (or inserts it at the end of its section,
// or appends the section at the end of the file); comments, order and spelling of
// everything else stay as they were. Each write replaces the file atomically.
class IniFile {
public:
    explicit IniFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    // Nothing when the file, the section or the key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // False when the names cannot be stored (empty, or holding characters that would
    // change the file's structure), when the file exists but cannot be read, or when
    // the replacement fails; the old file is then left as it was.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

private:
    std::filesystem::path file_;
};
