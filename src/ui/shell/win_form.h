#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

class QLabel;
class QTimer;

// The celebration of a won game: the animation loops while the player chooses
// "OK, Great!" (1), "New Game" (6) or "Show Statistics..." (7).
class TWinForm : public QDialog {
    Q_OBJECT
public:
    explicit TWinForm(QWidget* parent = nullptr);
    ~TWinForm() override;

    static constexpr int kOkResult = 1;
    static constexpr int kNewGameResult = 6;
    static constexpr int kStatisticsResult = 7;

    int Frame() const { return frame_; }
    // Shows the next frame; the timer calls it five times a second.
    void Advance();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    QLabel* animation_;
    QTimer* timer_;
    std::vector<QPixmap> frames_;
    int frame_ = 0;
};

// Shows the win window modally over `parent` and answers with the button chosen.
int ShowWinWindowModally(QWidget* parent);
// The win window while one is open; at most one exists.
QPointer<TWinForm>& WinForm();
