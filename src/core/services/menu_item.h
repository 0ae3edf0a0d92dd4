#pragma once

#include <string>

// One popup-menu item as data; the window builds its menu from these and follows
// their state. A caption of "-" is a separator.
struct TMenuItem {
    std::string Name;      // "Undo1", "DrawThree1", ...
    std::string Caption;   // with its '&': "&Undo"
    std::string Shortcut;  // "Ctrl+Z", "F1" or empty
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    bool Checkable = false;  // shows a check mark when checked

    bool IsSeparator() const { return Caption == "-"; }
};
