#pragma once

#include <QColor>
#include <QFrame>

// A small framed panel filled with one colour; clicking it asks for another.
class ColourSwatch : public QFrame {
    Q_OBJECT
  public:
    explicit ColourSwatch(const QColor& colour, QWidget* parent = nullptr);

    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QColor colour_;
};
