#pragma once

#include <QRectF>

class QPainter;

// A small theatre for the still life: a red velvet curtain with a gold-fringed valance.
namespace shell_art {

void PaintCurtain(QPainter& p, const QRectF& area);
void PaintValance(QPainter& p, const QRectF& area, int scallops);
// The wooden far edge of the table, seen as a band.
void PaintTableRail(QPainter& p, const QRectF& band);

}  // namespace shell_art
