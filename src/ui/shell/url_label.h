#pragma once

#include <QLabel>
#include <QUrl>

// A text that opens a web page or a new mail when clicked: navy, bold and underlined,
// maroon while the button is held, with a hand cursor.
class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    TUrlLabel(const QString& text, const QUrl& target, QWidget* parent);

    const QUrl& Target() const { return target_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetInk(const QColor& colour);

    QUrl target_;
};
