#include "games/window_placement.h"

#include <QWidget>

#include "services/placement.h"

namespace placement {

namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

}  // namespace

void Restore(QWidget& window, const std::filesystem::path& file, const std::string& section, bool keepHeight) {
    const auto saved = LoadPlacement(file, section);
    if (!saved || saved->right <= saved->left || saved->bottom <= saved->top) return;
    const int frameHeight = window.frameGeometry().height() - window.height();
    window.move(saved->left, saved->top);
    if (!keepHeight) window.resize(window.width(), qMax(window.minimumHeight(), saved->bottom - saved->top - frameHeight));
}

void Save(const QWidget& window, const std::filesystem::path& file, const std::string& section, bool destroying) {
    const QRect frame = window.frameGeometry();
    WindowPlacement placement;
    placement.showCmd = window.isMinimized() ? kShowMinimized : window.isMaximized() ? kShowMaximized : kShowNormal;
    placement.left = frame.left();
    placement.top = frame.top();
    placement.right = frame.left() + frame.width();
    placement.bottom = frame.top() + frame.height();
    placement.visible = destroying;
    SavePlacement(file, section, placement);
}

}  // namespace placement
