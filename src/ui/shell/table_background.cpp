#include "shell/table_background.h"

#include <QImage>
#include <QPainter>
#include <QVariant>

#include "games/game_window.h"
#include "games/table_colour.h"

namespace {

constexpr int kBandCount = TzBackground::Bands + 1;
constexpr int kTiledPicture = 2;
constexpr int kGradient = 1;
constexpr int kHorizontalGradient = 1;

// What the window's table bitmap was last painted from, so that a resize to the same
// size or a preferences dialog closed without changes does not paint it again.
const char* const kPaintedLookProperty = "tablewisePaintedLook";
const char* const kPaintedBitmapProperty = "tablewisePaintedBitmap";

// Band 0 is exactly the start colour and the last band exactly the end colour.
QColor BandColor(const QColor& start, const QColor& end, int band) {
    const auto step = [band](int from, int to) { return from + (to - from) * band / TzBackground::Bands; };
    return QColor(step(start.red(), end.red()), step(start.green(), end.green()), step(start.blue(), end.blue()));
}

// Bands of equal share of the span, in device pixels so that the edges stay sharp.
void PaintGradient(QPainter& painter, QSize deviceSize, const TzBackground& background) {
    const bool topToBottom = background.FillType == gVert;
    const int span = topToBottom ? deviceSize.height() : deviceSize.width();
    for (int band = 0; band < kBandCount; ++band) {
        const int from = span * band / kBandCount;
        const int to = span * (band + 1) / kBandCount;
        if (to == from) continue;
        const QRect strip = topToBottom ? QRect(0, from, deviceSize.width(), to - from)
                                        : QRect(from, 0, to - from, deviceSize.height());
        painter.fillRect(strip, BandColor(background.Color, background.EndColor, band));
    }
}

QString LookOf(const TzBackground& background, QSize clientSize, qreal ratio) {
    const QString where = QStringLiteral("%1x%2@%3").arg(clientSize.width()).arg(clientSize.height()).arg(ratio);
    if (background.BackType == btBitmap)
        return QStringLiteral("tile:%1:").arg(background.BitMap.cacheKey()) + where;
    return QStringLiteral("blend:%1:%2:%3:")
               .arg(background.FillType == gVert ? "v" : "h", background.Color.name(), background.EndColor.name()) +
           where;
}

bool AlreadyPainted(const GameWindow& window, const QString& look) {
    const QPixmap* table = window.TableBitmap();
    return table != nullptr && window.property(kPaintedLookProperty).toString() == look &&
           window.property(kPaintedBitmapProperty).toLongLong() == table->cacheKey();
}

void ShowPlainColour(GameWindow& window, const QColor& colour) {
    if (window.TableBitmap() == nullptr && window.TableColor() == colour) return;
    if (window.TableColor() != colour) {
        QPalette table = window.palette();
        table.setColor(QPalette::Window, colour);
        window.setPalette(table);
    }
    window.SetTableBitmap(QPixmap());
    window.update();
}

}  // namespace

QPixmap PaintTableBitmap(const TzBackground& background, QSize clientSize, qreal devicePixelRatio) {
    const bool hasTile = !background.BitMap.isNull();
    if (background.BackType == btNormal || (background.BackType == btBitmap && !hasTile)) return {};
    const QSize logicalSize = clientSize.expandedTo(QSize(1, 1));
    QImage table(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    {
        QPainter painter(&table);
        if (background.BackType == btBlend) {
            PaintGradient(painter, table.size(), background);
        } else {
            // The picture keeps its own pixel size; on a dense screen each of its pixels
            // covers several of the table's.
            painter.scale(devicePixelRatio, devicePixelRatio);
            painter.drawTiledPixmap(QRectF(QPointF(0, 0), QSizeF(logicalSize)), background.BitMap);
        }
    }
    table.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(table));
}

TzBackground BackgroundFor(const PreferenceValues& preferences, const QPixmap* backgroundPicture) {
    TzBackground background;
    const bool hasPicture = backgroundPicture != nullptr && !backgroundPicture->isNull();
    if (preferences.BackgroundIndex == kGradient) {
        background.BackType = btBlend;
        background.Color = ColorFromTableValue(preferences.GradientStartColor);
        background.EndColor = ColorFromTableValue(preferences.GradientEndColor);
        background.FillType = preferences.GradientIndex == kHorizontalGradient ? gHorz : gVert;
    } else if (preferences.BackgroundIndex == kTiledPicture && hasPicture) {
        background.BitMap = *backgroundPicture;
        background.BackType = btBitmap;
    }
    return background;
}

void ApplyBackground(GameWindow& window, const PreferenceValues& preferences, const QPixmap* backgroundPicture) {
    const TzBackground background = BackgroundFor(preferences, backgroundPicture);
    if (background.BackType == btNormal) {
        ShowPlainColour(window, ColorFromTableValue(preferences.BackgroundColor));
        return;
    }
    const qreal ratio = window.devicePixelRatioF();
    const QString look = LookOf(background, window.size(), ratio);
    if (AlreadyPainted(window, look)) return;
    const QPixmap table = PaintTableBitmap(background, window.size(), ratio);
    window.setProperty(kPaintedLookProperty, look);
    window.setProperty(kPaintedBitmapProperty, table.cacheKey());
    window.SetTableBitmap(table);
    window.update();
}
