#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;
class QTimer;
class TUrlLabel;

// The about box: the version, our credits, two links, and the jester swaying from side
// to side. Made on demand by the launcher and released when it closes.
class TInfoBox : public QWidget {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* parent = nullptr);
    ~TInfoBox() override;

    static constexpr int kJesterInterval = 400;  // milliseconds

    // Shows the next jester of the dance; the timer calls it.
    void Timer1Timer();
    void OKButtonClick();

    QLabel* Image1() const { return image1_; }
    QTimer* Timer1() const { return timer1_; }
    TUrlLabel* URLLabel1() const { return urlLabel1_; }
    TUrlLabel* URLLabel2() const { return urlLabel2_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildHeading();
    void BuildTexts();

    // "JESTER1" to "JESTER3", held while the box is open.
    std::array<QPixmap, 3> jesters_;
    // All owned by the box as its children.
    QLabel* image1_ = nullptr;
    TUrlLabel* urlLabel1_ = nullptr;
    TUrlLabel* urlLabel2_ = nullptr;
    QTimer* timer1_ = nullptr;
};

// Where the jester's dance stands (0 to 3); it carries on from there when the about
// box opens again.
int JesterStep();
