// The preferences dialog's controls: four pages in a tab control, OK and Help.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

#include "cards/card_imagery.h"
#include "games/table_colour.h"
#include "shell/colour_swatch.h"
#include "shell/custom_back.h"
#include "shell/preferences_dialog.h"
#include "shell/radio_group.h"

namespace {

const QRect kPageControlPlace(8, 8, 373, 224);
constexpr int kButtonTop = 240;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kOkLeft = 222;
constexpr int kHelpLeft = 306;

// Card Back: four card pictures side by side, a radio button under each.
constexpr int kBackTop = 10;
constexpr int kFirstBackLeft = 15;
constexpr int kBackStep = 88;
const QSize kBackSize(80, 125);
constexpr int kBackButtonTop = 141;
const QRect kBrowseBackPlace(kFirstBackLeft + 3 * kBackStep, 165, 80, 25);
constexpr int kFirstBuiltInBack = 153;
constexpr int kNoteInset = 6;

// Card Size.
const QRect kSizeGroupPlace(10, 10, 347, 70);
const QRect kSizeNotePlace(12, 92, 345, 34);

// Game Background: the type on the left, its settings on the right.
const QRect kTypeGroupPlace(10, 10, 134, 96);
const QRect kTypePagesPlace(148, 4, 217, 190);
const QRect kSolidLabelPlace(12, 10, 120, 25);
const QRect kDirectionGroupPlace(4, 6, 209, 74);
const QRect kStartLabelPlace(10, 88, 130, 25);
const QRect kEndLabelPlace(10, 122, 130, 25);
constexpr int kSwatchLeft = 146;
constexpr int kSwatchSide = 25;
const QRect kPicturePlace(8, 6, 201, 137);
const QRect kBrowsePicturePlace(134, 152, 75, 25);

// Other.
constexpr int kCheckLeft = 16;
constexpr int kFirstCheckTop = 16;
constexpr int kCheckStep = 26;
constexpr int kCheckWidth = 300;
constexpr int kCheckHeight = 20;

const QColor kNoteGrey(128, 128, 128);
const QColor kSlotEdge(160, 160, 160);

// The program writes its hints and notes with Windows line breaks.
QString Lines(const char* text) {
    return QString::fromLatin1(text).remove(QLatin1Char('\r'));
}

QLabel* GreyNote(const QString& text, const QRect& place, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setGeometry(place);
    note->setWordWrap(true);
    QPalette ink = note->palette();
    ink.setColor(QPalette::WindowText, kNoteGrey);
    note->setPalette(ink);
    return note;
}

// A sunken slot that frames a picture, so that an empty one still shows where it goes.
void Slot(const QRect& place, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(place.adjusted(-1, -1, 1, 1));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette edge = frame->palette();
    edge.setColor(QPalette::WindowText, kSlotEdge);
    frame->setPalette(edge);
    frame->lower();
}

QLabel* Picture(const char* name, const QRect& place, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(place);
    // Empty, it lets the grey text behind it show.
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QWidget* Page(const char* name, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(name));
    return page;
}

}  // namespace

void TPreferencesDlg::BuildCardBackPage() {
    QWidget* page = Page("TabSheet1", pageControl1_);
    pageControl1_->addTab(page, QStringLiteral("Card Back"));
    auto* group = new QButtonGroup(page);
    for (int i = 0; i < static_cast<int>(backButtons_.size()); ++i) {
        const QRect place(QPoint(kFirstBackLeft + i * kBackStep, kBackTop), kBackSize);
        if (i == CardImagery::kCustomBackIndex) {
            customBackNote_ = GreyNote(QStringLiteral("Browse to select a Custom Image"),
                                       place.adjusted(kNoteInset, 0, -kNoteInset, 0), page);
            customBackNote_->setAlignment(Qt::AlignCenter);
            Slot(place, page);
        }
        images_[static_cast<std::size_t>(i)] =
            Picture(QStringLiteral("Image%1").arg(i + 1).toLatin1().constData(), place, page);

        auto* button = new QRadioButton(page);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        button->setToolTip(QStringLiteral("Select the card back to use"));
        button->adjustSize();
        button->move(place.center().x() - button->width() / 2 + 1, kBackButtonTop);
        group->addButton(button, i);
        backButtons_[static_cast<std::size_t>(i)] = button;
    }
    backButtons_.front()->setChecked(true);
    backButtons_[CardImagery::kCustomBackIndex]->setEnabled(false);

    browseButton_ = new QPushButton(QStringLiteral("Browse..."), page);
    browseButton_->setObjectName(QStringLiteral("BrowseButton"));
    browseButton_->setGeometry(kBrowseBackPlace);
    browseButton_->setToolTip(
        Lines("Click to browse the file system and\r\nfind a custom card back image"));
    connect(browseButton_, &QPushButton::clicked, this,
            [this] { BrowseButtonClick(*browseButton_); });
}

void TPreferencesDlg::ShowBuiltInBacks() {
    if (!images_[0]->pixmap().isNull()) return;
    const QColor face = palette().color(QPalette::Window);
    for (int i = 0; i < CardImagery::kBuiltInBackCount; ++i) {
        QImage back = OnDialogFace(
            CardImagery::ResourceImage(QStringLiteral("FSCARD%1").arg(kFirstBuiltInBack + i)),
            face);
        RoundCorners(back, face);
        images_[static_cast<std::size_t>(i)]->setPixmap(QPixmap::fromImage(back));
    }
}

void TPreferencesDlg::BuildCardSizePage() {
    QWidget* page = Page("TabSheet2", pageControl1_);
    pageControl1_->addTab(page, QStringLiteral("Card Size"));
    radioGroup1_ =
        new RadioGroup(QString(),
                       {QStringLiteral("Use small cards (all games fit on 800x600 display)"),
                        QStringLiteral("Use large cards (requires a 1024x768 or larger display)")},
                       page);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1_->setGeometry(kSizeGroupPlace);
    radioGroup1_->setToolTip(
        Lines("This preference does not take effect until\r\nthe current game window is closed"));
    GreyNote(
        Lines("This preference does not take effect until the current\r\ngame window is closed."),
        kSizeNotePlace, page);
}

void TPreferencesDlg::BuildBackgroundPage() {
    QWidget* page = Page("TabSheet3", pageControl1_);
    pageControl1_->addTab(page, QStringLiteral("Game Background"));
    radioGroup2_ = new RadioGroup(QStringLiteral(" Select Type "),
                                  {QStringLiteral("Solid Color"), QStringLiteral("Gradient Colors"),
                                   QStringLiteral("Tiled Image")},
                                  page);
    radioGroup2_->setObjectName(QStringLiteral("RadioGroup2"));
    radioGroup2_->setGeometry(kTypeGroupPlace);
    connect(radioGroup2_, &RadioGroup::itemClicked, this, &TPreferencesDlg::ISGRadioList1Click);

    // One page per type, without tabs: the type chooses the page.
    pageControl2_ = new QStackedWidget(page);
    pageControl2_->setObjectName(QStringLiteral("PageControl2"));
    pageControl2_->setGeometry(kTypePagesPlace);
    const auto swatch = [this](int number, QWidget* parent, int top, const char* hint) {
        const std::uint32_t design = number == 3 ? 0x000000 : kDefaultTableValue;
        auto* panel = new ColourSwatch(ColorFromTableValue(design), parent);
        panel->setObjectName(QStringLiteral("Panel%1").arg(number));
        panel->setGeometry(kSwatchLeft, top, kSwatchSide, kSwatchSide);
        panel->setToolTip(QLatin1String(hint));
        connect(panel, &ColourSwatch::clicked, this, [this, panel] { ColorButtonClick(*panel); });
        swatches_[static_cast<std::size_t>(number - 1)] = panel;
    };
    const auto label = [](const char* text, const QRect& place, QWidget* parent) {
        auto* caption = new QLabel(QLatin1String(text), parent);
        caption->setGeometry(place);
    };

    QWidget* solid = Page("TabSheet5", pageControl2_);
    pageControl2_->addWidget(solid);
    label("Select Solid Color", kSolidLabelPlace, solid);
    swatch(1, solid, kSolidLabelPlace.top(), "Click for a dialog to select a new color");

    QWidget* gradient = Page("TabSheet6", pageControl2_);
    pageControl2_->addWidget(gradient);
    radioGroup3_ = new RadioGroup(
        QStringLiteral(" Direction "),
        {QStringLiteral("Vertical Gradient"), QStringLiteral("Horizontal Gradient")}, gradient);
    radioGroup3_->setObjectName(QStringLiteral("RadioGroup3"));
    radioGroup3_->setGeometry(kDirectionGroupPlace);
    connect(radioGroup3_, &RadioGroup::itemClicked, this, &TPreferencesDlg::ISGRadioList2Click);
    label("Select Starting Color", kStartLabelPlace, gradient);
    swatch(2, gradient, kStartLabelPlace.top(), "Click for a dialog to select a color");
    label("Select Ending Color", kEndLabelPlace, gradient);
    swatch(3, gradient, kEndLabelPlace.top(), "Click for a dialog to select a color");

    QWidget* tiled = Page("TabSheet7", pageControl2_);
    pageControl2_->addWidget(tiled);
    label6_ = GreyNote(QStringLiteral("Browse to select an Image"), kPicturePlace, tiled);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setAlignment(Qt::AlignCenter);
    Slot(kPicturePlace, tiled);
    images_[4] = Picture("Image5", kPicturePlace, tiled);
    button1_ = new QPushButton(QStringLiteral("Browse..."), tiled);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(kBrowsePicturePlace);
    button1_->setToolTip(
        Lines("Click to browse the file system and\r\nfind a custom background image"));
    connect(button1_, &QPushButton::clicked, this, [this] { BrowseButtonClick(*button1_); });
}

void TPreferencesDlg::BuildOtherPage() {
    QWidget* page = Page("TabSheet4", pageControl1_);
    pageControl1_->addTab(page, QStringLiteral("Other"));
    const auto check = [page](const char* name, const char* text, int row, bool checked) {
        auto* box = new QCheckBox(QLatin1String(text), page);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(kCheckLeft, kFirstCheckTop + row * kCheckStep, kCheckWidth, kCheckHeight);
        box->setChecked(checked);
        return box;
    };
    checkBox1_ = check("CheckBox1", "Enable Sounds", 0, true);
    checkBox5_ = check("CheckBox5", "Perform Animation on Deals", 1, true);
    checkBox2_ = check("CheckBox2", "Minimize to Tray in Taskbar", 2, false);
}

void TPreferencesDlg::BuildButtons() {
    okBtn_ = new QPushButton(QStringLiteral("OK"), this);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    okBtn_->setGeometry(kOkLeft, kButtonTop, kButtonWidth, kButtonHeight);
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);
    helpBtn_ = new QPushButton(QStringLiteral("&Help"), this);
    helpBtn_->setObjectName(QStringLiteral("HelpBtn"));
    helpBtn_->setGeometry(kHelpLeft, kButtonTop, kButtonWidth, kButtonHeight);
    connect(helpBtn_, &QPushButton::clicked, this, &TPreferencesDlg::HelpBtnClick);
}

void TPreferencesDlg::BuildPages() {
    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setGeometry(kPageControlPlace);
    BuildCardBackPage();
    BuildCardSizePage();
    BuildBackgroundPage();
    BuildOtherPage();
    BuildButtons();
}
