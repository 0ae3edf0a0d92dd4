#include "shell/shell_artwork.h"

#include "shell/art/shell_pictures.h"

#include <QPainter>

#include <array>
#include <functional>

namespace {

struct PictureEntry {
    const char* name;
    QSize logicalSize;
    std::function<void(QPainter&)> paint;
};

const std::array<PictureEntry, 7>& PictureTable() {
    static const std::array<PictureEntry, 7> table{{
        {"JESTER1", shell_art::kJesterSize, [](QPainter& p) { shell_art::PaintJesterPicture(p, 1); }},
        {"JESTER2", shell_art::kJesterSize, [](QPainter& p) { shell_art::PaintJesterPicture(p, 2); }},
        {"JESTER3", shell_art::kJesterSize, [](QPainter& p) { shell_art::PaintJesterPicture(p, 3); }},
        {"STARTUP", shell_art::kStartupSize, shell_art::PaintStartupPicture},
        {"ABOUT", shell_art::kAboutSize, shell_art::PaintAboutPicture},
        {"APPICON", shell_art::kAppIconSize, shell_art::PaintAppIcon},
        {"WIN_AVI", shell_art::kWinFrameSize, [](QPainter& p) { shell_art::PaintWinFrame(p, 0); }},
    }};
    return table;
}

// A ratio of zero or less would give an empty canvas; such callers mean "plain pixels".
qreal UsableRatio(qreal devicePixelRatio) { return devicePixelRatio > 0.0 ? devicePixelRatio : 1.0; }

QImage RenderOnCanvas(QSize logicalSize, qreal devicePixelRatio, const std::function<void(QPainter&)>& paint) {
    const qreal ratio = UsableRatio(devicePixelRatio);
    QImage image(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    paint(painter);
    return image;
}

}  // namespace

QImage RenderShellPicture(const QString& name, qreal devicePixelRatio) {
    for (const PictureEntry& entry : PictureTable()) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            return RenderOnCanvas(entry.logicalSize, devicePixelRatio, entry.paint);
        }
    }
    return {};
}

std::vector<QImage> RenderWinAnimation(qreal devicePixelRatio) {
    std::vector<QImage> frames;
    frames.reserve(shell_art::kWinFrameCount);
    for (int frame = 0; frame < shell_art::kWinFrameCount; ++frame) {
        frames.push_back(RenderOnCanvas(shell_art::kWinFrameSize, devicePixelRatio,
                                        [frame](QPainter& p) { shell_art::PaintWinFrame(p, frame); }));
    }
    return frames;
}
