#pragma once

#include <QPainterPath>
#include <QString>

namespace card_art {

// The rank letters of the corner index as outlines, bold sans (DejaVu where it is
// installed), scaled so that capitals are one unit tall: the top of the capitals at
// y = 0, the baseline at y = 1, centred on x = 0.
QPainterPath IndexText(const QString& text);

QString RankText(int rank);

}  // namespace card_art
