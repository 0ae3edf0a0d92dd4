#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and replacements for the settings file. A replacement never
// leaves a half-written file behind: the new contents go to a temporary file in the
// same folder, reach the disk, and only then take the old file's name.

enum class FileReadStatus { Read, Missing, Failed };

struct FileContents {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
};

// Missing when nothing exists at the path (or a parent is not a folder);
// Failed when something is there but cannot be read as a regular file.
FileContents ReadWholeFile(const std::filesystem::path& file);

// Creates the folder when needed. Returns false, with the old file untouched and
// no temporary file left, when any step fails.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);
