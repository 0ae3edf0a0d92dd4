#include "games/pile_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "cards/card_imagery.h"
#include "games/game_window.h"
#include "games/table_colour.h"

namespace {

const QColor kEtchShadow(0, 0, 0);
const QColor kEtchLight(128, 128, 128);

}  // namespace

PileWidget::PileWidget(TCardPileView& view, GameWindow& window) : QWidget(&window), view_(view), window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QString::fromStdString(view.Name));
    view_.SetObserver([this](TCardPileView&, RedrawKind kind) { Refresh(kind); });
    FollowView();
}

PileWidget::~PileWidget() = default;

void PileWidget::FollowView() {
    setGeometry(view_.Left, view_.Top, view_.Width, view_.Height);
    setVisible(view_.Visible);
    setToolTip(view_.ShowHint ? QString::fromStdString(view_.Hint) : QString());
}

void PileWidget::Refresh(RedrawKind kind) {
    stale_ = true;
    FollowView();
    if (kind == RedrawKind::Now && isVisible())
        repaint();
    else
        update();
}

void PaintCards(QPainter& painter, const TCardPile& pile, const TCardPileView& view) {
    for (int i = 0; i < pile.GetCardCount(); ++i)
        CardImagery::DrawCardOnCanvas(painter, QPoint(view.CardLeft(i), view.CardTop(i)), *pile.CardAt(i));
}

void PileWidget::Render() {
    const qreal ratio = CardImagery::DevicePixelRatio();
    picture_ = QPixmap(QSize(qMax(1, width()), qMax(1, height())) * ratio);
    picture_.setDevicePixelRatio(ratio);
    QPainter painter(&picture_);
    const QPixmap* table = window_.TableBitmap();
    if (view_.BackgroundMode == FS_BITMAP && table != nullptr && !view_.HasOwnColor) {
        // The source rectangle is in the table's device pixels.
        const qreal tableRatio = table->devicePixelRatio();
        painter.drawPixmap(QRectF(rect()), *table,
                           QRectF(QPointF(view_.Left, view_.Top) * tableRatio, QSizeF(size()) * tableRatio));
    } else {
        painter.fillRect(rect(), view_.HasOwnColor ? ColorFromTableValue(view_.Color) : window_.TableColor());
    }
    if (view_.IsBordered) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(kEtchShadow);
        painter.drawRect(0, 0, width() - 2, height() - 2);
        painter.setPen(kEtchLight);
        painter.drawRect(1, 1, width() - 2, height() - 2);
    }
    if (!view_.Pile.IsEmpty()) {
        PaintCards(painter, view_.Pile, view_);
    } else if (view_.State == FS_RECYCLE) {
        CardImagery::DrawPileMark(painter, QPoint(0, 0), CardImagery::kRecycleMarkIndex);
    } else if (view_.State == FS_EMPTY) {
        CardImagery::DrawPileMark(painter, QPoint(0, 0), CardImagery::kCrossMarkIndex);
    }
    stale_ = false;
}

void PileWidget::paintEvent(QPaintEvent*) {
    if (stale_ || picture_.deviceIndependentSize().toSize() != size()) Render();
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), picture_);
}

void PileWidget::mousePressEvent(QMouseEvent* event) { window_.PilePressed(*this, *event, false); }

void PileWidget::mouseMoveEvent(QMouseEvent* event) { window_.PileMoved(*this, *event); }

void PileWidget::mouseReleaseEvent(QMouseEvent* event) { window_.PileReleased(*this, *event); }

void PileWidget::mouseDoubleClickEvent(QMouseEvent* event) { window_.PilePressed(*this, *event, true); }
