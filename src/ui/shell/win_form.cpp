#include "shell/win_form.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/shell_artwork.h"
#include "shell/sound_manager.h"

namespace {

constexpr int kClientWidth = 376;
constexpr int kClientHeight = 192;
constexpr int kAnimationHeight = 154;
constexpr int kFramesPerSecond = 5;

}  // namespace

TWinForm::TWinForm(QWidget* parent) : QDialog(parent) {
    // A dialog border without any border icons: the player answers with a button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle("You've Won!");
    setFixedSize(kClientWidth, kClientHeight);
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);

    const qreal ratio = qMax<qreal>(1.0, devicePixelRatioF());
    for (const QImage& frame : RenderWinAnimation(ratio)) frames_.push_back(QPixmap::fromImage(frame));

    animation_ = new QLabel(this);
    animation_->setFixedSize(kClientWidth, kAnimationHeight);
    animation_->setPixmap(frames_.front());

    auto* ok = new QPushButton("OK, Great!", this);
    auto* newGame = new QPushButton("New Game", this);
    auto* statistics = new QPushButton("Show Statistics...", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(kOkResult); });
    connect(newGame, &QPushButton::clicked, this, [this] { done(kNewGameResult); });
    connect(statistics, &QPushButton::clicked, this, [this] { done(kStatisticsResult); });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addWidget(ok);
    buttons->addWidget(newGame);
    buttons->addWidget(statistics);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(6);
    layout->addWidget(animation_);
    layout->addLayout(buttons);
    ok->setFocus();

    timer_ = new QTimer(this);
    timer_->setInterval(1000 / kFramesPerSecond);
    connect(timer_, &QTimer::timeout, this, &TWinForm::Advance);
}

TWinForm::~TWinForm() = default;

void TWinForm::Advance() {
    frame_ = (frame_ + 1) % static_cast<int>(frames_.size());
    animation_->setPixmap(frames_[static_cast<std::size_t>(frame_)]);
}

void TWinForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer_->start();
    if (TSoundManager* sounds = SoundManager()) sounds->PlayWin();
}

// Escape is taken as the plain acknowledgement, the same as "OK, Great!".
void TWinForm::reject() { done(kOkResult); }

QPointer<TWinForm>& WinForm() {
    static QPointer<TWinForm> form;
    return form;
}

int ShowWinWindowModally(QWidget* parent) {
    auto* form = new TWinForm(parent);
    WinForm() = form;
    const int answer = form->exec();
    delete form;
    return answer;
}
