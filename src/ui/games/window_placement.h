#pragma once

#include <filesystem>
#include <string>

class QWidget;

// Keeps a window where the player left it, in the window's placement section.
namespace placement {

// Moves the window to its saved normal rectangle; the height only where it may change.
void Restore(QWidget& window, const std::filesystem::path& file, const std::string& section, bool keepHeight);
// Saves the window's frame rectangle; `destroying` marks a save made on the way out.
void Save(const QWidget& window, const std::filesystem::path& file, const std::string& section, bool destroying);

}  // namespace placement
