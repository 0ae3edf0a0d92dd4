#include "cards/card_metrics.h"

namespace card_art {

namespace {

const CardMetrics kLargeMetrics{
    .size = {80, 125},
    .cornerRadius = 6,
    .edgeWidth = 1,
    .indexCentreX = 7.5,
    .rankTop = 2.6,
    .rankCapHeight = 9.6,
    .rankMaxWidth = 10.5,
    .indexSuitTop = 13.4,
    .indexSuitHeight = 6.4,
    .pipCentres = QRectF(QPointF(23, 20.5), QPointF(57, 104.5)),
    .pipHeight = 14,
    .acePipHeight = 30,
    .spadeAcePipHeight = 40,
    .courtPanel = QRectF(QPointF(14.5, 7.5), QPointF(65.5, 117.5)),
    .backMargin = 4,
};

const CardMetrics kSmallMetrics{
    .size = {61, 95},
    .cornerRadius = 5,
    .edgeWidth = 1,
    .indexCentreX = 5.6,
    .rankTop = 2,
    .rankCapHeight = 7.4,
    .rankMaxWidth = 8,
    .indexSuitTop = 10.3,
    .indexSuitHeight = 5.2,
    .pipCentres = QRectF(QPointF(17.5, 15.5), QPointF(43.5, 79.5)),
    .pipHeight = 10.5,
    .acePipHeight = 23,
    .spadeAcePipHeight = 30,
    .courtPanel = QRectF(QPointF(11, 5.5), QPointF(50, 89.5)),
    .backMargin = 3,
};

}  // namespace

CardMetrics MetricsFor(_CardSize size) { return size == CZ_SMALL ? kSmallMetrics : kLargeMetrics; }

}  // namespace card_art
