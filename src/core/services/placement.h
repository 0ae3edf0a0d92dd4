#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// A window's saved position, in the keys every placement section holds.
struct WindowPlacement {
    int flags = 0;
    int showCmd = 1;  // 1 normal, 2 minimised, 3 maximised
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0;  // the normal frame rectangle
    bool visible = false;  // saved while the window was being destroyed
};

// Writes "Flags", "ShowCmd", "MinMaxPos", "NormPos" and "Visible"; false if a write failed.
bool SavePlacement(const std::filesystem::path& file, std::string_view section, const WindowPlacement& placement);

// Nothing when "NormPos" is missing or is not four integers; the other keys fall
// back to their defaults one by one.
std::optional<WindowPlacement> LoadPlacement(const std::filesystem::path& file, std::string_view section);
