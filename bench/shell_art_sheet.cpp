// Saves every shell picture and every frame of the win animation as PNG files, at
// plain and double pixel ratio, so the artwork can be looked at outside the program.
// Usage: shell_art_sheet [output folder]   (default: ./shell_art)
// Run with QT_QPA_PLATFORM=offscreen on a machine without a display.

#include "shell/shell_artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QStringList kPictureNames{"JESTER1", "JESTER2", "JESTER3", "STARTUP", "ABOUT", "APPICON"};
constexpr qreal kRatios[] = {1.0, 2.0};

bool Save(const QImage& image, const QDir& folder, const QString& fileName) {
    const QString path = folder.filePath(fileName);
    if (!image.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Lays images side by side on a neutral grey, to judge an animation in one glance.
QImage Strip(const std::vector<QImage>& images) {
    constexpr int kGap = 4;
    int width = kGap;
    int height = 0;
    for (const QImage& image : images) {
        width += image.width() + kGap;
        height = std::max(height, image.height());
    }
    QImage strip(width, height + 2 * kGap, QImage::Format_ARGB32_Premultiplied);
    strip.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&strip);
    int x = kGap;
    for (QImage image : images) {
        image.setDevicePixelRatio(1.0);
        painter.drawImage(x, kGap, image);
        x += image.width() + kGap;
    }
    return strip;
}

QString RatioSuffix(qreal ratio) { return ratio == 1.0 ? QString() : QStringLiteral("@%1x").arg(ratio); }

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shell_art");
    QDir folder;
    if (!folder.mkpath(outDir)) {
        std::fprintf(stderr, "could not create %s\n", qPrintable(outDir));
        return 1;
    }
    folder.setPath(outDir);

    bool ok = true;
    for (const qreal ratio : kRatios) {
        const QString suffix = RatioSuffix(ratio);
        for (const QString& name : kPictureNames) {
            ok &= Save(RenderShellPicture(name, ratio), folder, name.toLower() + suffix + ".png");
        }
        const std::vector<QImage> frames = RenderWinAnimation(ratio);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            ok &= Save(frames[i], folder, QStringLiteral("win_avi_%1%2.png").arg(i + 1, 2, 10, QChar('0')).arg(suffix));
        }
        ok &= Save(Strip(frames), folder, "win_avi_strip" + suffix + ".png");
        // The about box plays the jester 3, 2, 1, 2.
        ok &= Save(Strip({RenderShellPicture("JESTER3", ratio), RenderShellPicture("JESTER2", ratio),
                          RenderShellPicture("JESTER1", ratio), RenderShellPicture("JESTER2", ratio)}),
                   folder, "jester_strip" + suffix + ".png");
    }
    return ok ? 0 : 1;
}
