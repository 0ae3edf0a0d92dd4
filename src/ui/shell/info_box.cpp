#include "shell/info_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "cards/card_imagery.h"
#include "shell/shell_artwork.h"
#include "shell/sound_manager.h"
#include "shell/url_label.h"

namespace {

const QSize kClientSize(539, 316);
const QRect kVersionPlace(0, 4, 539, 24);
const QRect kRulePlace(8, 30, 523, 2);
const QRect kJesterPlace(10, 40, 66, 90);
const QRect kIllustrationPlace(225, 35, 306, 279);
const QRect kCreditsPlace(86, 40, 131, 90);
const QRect kThanksPlace(10, 138, 207, 80);
const QRect kInvitationPlace(10, 220, 207, 34);
const QRect kWebLinkPlace(10, 254, 207, 17);
const QRect kMailLinkPlace(10, 272, 207, 17);
const QRect kNoticePlace(10, 296, 207, 16);
constexpr int kTextPixels = 13;
constexpr int kVersionPixels = 19;
constexpr int kNoticePixels = 11;
const QColor kMaroon(128, 0, 0);

const char* const kWebAddress = "https://tablewise.example.org";
const char* const kMailAddress = "mailto:support@tablewise.example.org";

// The dance: JESTER3, JESTER2, JESTER1, JESTER2, and again.
constexpr std::array<int, 4> kDancePoses{3, 2, 1, 2};
int jesterStep = 0;

QFont ArialFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* Text(QWidget* parent, const char* name, const QRect& place, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

TInfoBox::TInfoBox(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(QStringLiteral("About Tablewise!"));
    setFixedSize(kClientSize);
    setFont(ArialFont(kTextPixels, false));
    const qreal ratio = CardImagery::DevicePixelRatio();
    for (int pose = 1; pose <= 3; ++pose)
        jesters_[pose - 1] = QPixmap::fromImage(RenderShellPicture(QStringLiteral("JESTER%1").arg(pose), ratio));

    BuildHeading();
    BuildTexts();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kJesterInterval);
    connect(timer1_, &QTimer::timeout, this, &TInfoBox::Timer1Timer);
    timer1_->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (TSoundManager* sounds = SoundManager()) sounds->PlayJester();
}

TInfoBox::~TInfoBox() = default;

void TInfoBox::BuildHeading() {
    auto* version = new QLabel(QStringLiteral("Tablewise Version 1.03"), this);
    version->setObjectName(QStringLiteral("Memo1"));
    version->setGeometry(kVersionPlace);
    version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    version->setFont(ArialFont(kVersionPixels, true));
    QPalette ink = version->palette();
    ink.setColor(QPalette::WindowText, kMaroon);
    version->setPalette(ink);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Panel1"));
    rule->setGeometry(kRulePlace);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(kJesterPlace);
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image1_->setPixmap(jesters_[1]);
    // The box stands on the colour behind the jester.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, jesters_[1].toImage().pixelColor(0, 0));
    setPalette(colours);
    setAutoFillBackground(true);

    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(kIllustrationPlace);
    image2->setPixmap(QPixmap::fromImage(RenderShellPicture(QStringLiteral("ABOUT"), CardImagery::DevicePixelRatio())));
}

void TInfoBox::BuildTexts() {
    Text(this, "Label1", kCreditsPlace,
         QStringLiteral("<b>Tablewise</b><br>Twelve patience games for one player, written with Qt 6."));
    Text(this, "Label2", kThanksPlace,
         QStringLiteral("With thanks to the free software it builds on: Qt, GoogleTest, GraphicsMagick "
                        "and Debian, and to all the people who make them."));
    Text(this, "Label3", kInvitationPlace,
         QStringLiteral("Visit our web site, and send us your suggestions:"));
    urlLabel1_ = new TUrlLabel(QStringLiteral("tablewise.example.org"), QUrl(QLatin1String(kWebAddress)), this);
    urlLabel1_->setObjectName(QStringLiteral("URLLabel1"));
    urlLabel1_->setGeometry(kWebLinkPlace);
    urlLabel2_ = new TUrlLabel(QStringLiteral("support@tablewise.example.org"), QUrl(QLatin1String(kMailAddress)), this);
    urlLabel2_->setObjectName(QStringLiteral("URLLabel2"));
    urlLabel2_->setGeometry(kMailLinkPlace);
    QLabel* notice = Text(this, "Label4", kNoticePlace, QStringLiteral("Free software: play it, share it, enjoy it."));
    notice->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    notice->setFont(ArialFont(kNoticePixels, false));
}

void TInfoBox::Timer1Timer() {
    const int pose = kDancePoses[static_cast<std::size_t>(jesterStep)];
    image1_->setPixmap(jesters_[static_cast<std::size_t>(pose - 1)]);
    jesterStep = (jesterStep + 1) % static_cast<int>(kDancePoses.size());
}

void TInfoBox::OKButtonClick() { close(); }

void TInfoBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        OKButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

int JesterStep() { return jesterStep; }
