#pragma once

#include <QPixmap>
#include <QWidget>

#include "piles/card_pile_view.h"

// The lifted cards following the pointer across the table, as one picture. It lies
// above every pile and lets the mouse through, so the piles under it still answer.
class DragLayer : public QWidget {
    Q_OBJECT
public:
    explicit DragLayer(QWidget& window);

    // Takes the picture of the source's drag pile; the grab offset is its hotspot.
    void Begin(const TCardPileView& source, QPoint pointerInWindow);
    void Follow(QPoint pointerInWindow);
    void End();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPoint hotspot_;
};
