#include "games/drag_layer.h"

#include <QPainter>

#include "cards/card_imagery.h"
#include "games/pile_widget.h"

DragLayer::DragLayer(QWidget& window) : QWidget(&window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void DragLayer::Begin(const TCardPileView& source, QPoint pointerInWindow) {
    // One offset step larger than the cards need; the spare strip stays clear.
    const CardDimensions size = source.DragImageSize();
    const qreal ratio = CardImagery::DevicePixelRatio();
    picture_ = QPixmap(QSize(size.width, size.height) * ratio);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::transparent);
    {
        QPainter painter(&picture_);
        PaintCards(painter, source.DragPile, source);
    }
    hotspot_ = QPoint(source.GrabX, source.GrabY);
    resize(size.width, size.height);
    Follow(pointerInWindow);
    raise();
    show();
}

void DragLayer::Follow(QPoint pointerInWindow) { move(pointerInWindow - hotspot_); }

void DragLayer::End() {
    hide();
    picture_ = QPixmap();
}

void DragLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), picture_);
}
