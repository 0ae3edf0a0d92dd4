#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// Display lettering for titles: a serif face filled with a gold gradient, outlined
// in ink and lifted off the background by a soft shadow.
namespace shell_art {

struct Lettering {
    QString text;
    qreal pixelSize = 40.0;
    bool italic = true;
};

// Draws the text centred horizontally on centreX with its baseline at baselineY.
void PaintGoldLettering(QPainter& p, const Lettering& lettering, qreal centreX, qreal baselineY);

// A small line of plain text, centred on centre; returns its width.
qreal PaintCaption(QPainter& p, const QString& text, qreal pixelSize, QPointF centre, const QColor& colour);

}  // namespace shell_art
