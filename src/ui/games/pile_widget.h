#pragma once

#include <QPixmap>
#include <QWidget>

#include "piles/card_pile_view.h"

class GameWindow;

// Paints one pile view and passes the mouse on to its window. What it shows is kept
// in a pixmap rebuilt only when the pile changes, so a drag passing over it costs a
// single blit.
class PileWidget : public QWidget {
    Q_OBJECT
public:
    PileWidget(TCardPileView& view, GameWindow& window);
    ~PileWidget() override;

    TCardPileView& View() const { return view_; }
    // The pile changed: redraw at once (a deal shows card by card) or with the next paint.
    void Refresh(RedrawKind kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FollowView();
    void Render();

    TCardPileView& view_;
    GameWindow& window_;
    QPixmap picture_;
    bool stale_ = true;
};

// Draws a pile's cards and empty mark onto a surface; shared by the widget and the drag image.
void PaintCards(QPainter& painter, const TCardPile& pile, const TCardPileView& view);
