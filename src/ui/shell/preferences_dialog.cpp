#include "shell/preferences_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWindow>

#include "cards/card_imagery.h"
#include "games/shell_services.h"
#include "games/table_colour.h"
#include "services/custom_colors.h"
#include "shell/colour_swatch.h"
#include "shell/display_probe.h"
#include "shell/preferences_prompts.h"
#include "shell/radio_group.h"
#include "shell/solitaire_form.h"
#include "shell/sound_manager.h"

namespace {

const char* const kSection = "Preferences";
const char* const kCustomColorsKey = "CustomColors";
constexpr int kTextPixels = 12;
constexpr int kBackCount = 4;
constexpr int kCustomBackIndex = CardImagery::kCustomBackIndex;
constexpr int kFirstBack = 0;
constexpr int kSmallCards = 0;
constexpr int kLargeCards = 1;
constexpr int kBackgroundTypeCount = 3;
constexpr int kGradientDirectionCount = 2;

QPointer<TPreferencesDlg>& TheDialog() {
    static QPointer<TPreferencesDlg> dialog;
    return dialog;
}

bool InRange(int value, int count) {
    return value >= 0 && value < count;
}

int CustomColourSlots() {
    return std::min(QColorDialog::customCount(), static_cast<int>(CustomColorSet().size()));
}

}  // namespace

TPreferencesDlg::TPreferencesDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      profile_(kSection, Shell().settingsFile) {
    setObjectName(QStringLiteral("PreferencesDlg"));
    setWindowTitle(QStringLiteral("Tablewise Preferences"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(kTextPixels);
    setFont(arial);
    TheDialog() = this;
    BuildPages();
    FormCreate();
}

TPreferencesDlg::~TPreferencesDlg() = default;

void TPreferencesDlg::FormCreate() {
    // The swatches hold their design colours from the start, and the built-in backs are
    // rounded as they are drawn; what follows reads and applies the stored preferences.
    static_cast<PreferenceValues&>(*this) =
        ReadPreferences(profile_, DesktopDisplay().desktopWidth());

    // A back or size the program does not have would show face-down cards as nothing
    // or open no game at all: such values read as the defaults.
    if (!InRange(BackIndex, kBackCount)) BackIndex = kFirstBack;
    CardImagery::SetBackIndex(BackIndex);
    CheckBack(BackIndex);

    if (CardSize != kSmallCards) CardSize = kLargeCards;
    radioGroup1_->SetItemIndex(CardSize);
    CardImagery::SetCardSize(CardSize == kSmallCards ? CZ_SMALL : CZ_LARGE);

    if (!InRange(BackgroundIndex, kBackgroundTypeCount)) BackgroundIndex = 0;
    radioGroup2_->SetItemIndex(BackgroundIndex);
    ShowBackgroundType(BackgroundIndex);
    if (!InRange(GradientIndex, kGradientDirectionCount)) GradientIndex = 0;
    radioGroup3_->SetItemIndex(GradientIndex);

    swatches_[0]->SetColour(ColorFromTableValue(BackgroundColor));
    swatches_[1]->SetColour(ColorFromTableValue(GradientStartColor));
    swatches_[2]->SetColour(ColorFromTableValue(GradientEndColor));

    checkBox5_->setChecked(DoAnimation);
    checkBox1_->setChecked(DoSound);
    checkBox2_->setChecked(MinimizeToTray);
    ApplyTrayMode();

    ReadCustomColours();
    if (CustomImage && !CustomImage->empty())
        LoadCustomBack(QString::fromStdString(*CustomImage), BackIndex == kCustomBackIndex, true);
    // The custom back was chosen but none could be made: the first built-in back stands in.
    if (BackIndex == kCustomBackIndex && !backButtons_[kCustomBackIndex]->isEnabled())
        ChooseBack(kFirstBack);
    if (BackgroundImage && !BackgroundImage->empty())
        LoadBackgroundImage(QString::fromStdString(*BackgroundImage));

    PlayOpeningSound();
}

void TPreferencesDlg::FormClose() {
    const int openedWith = CardSize;
    BackIndex = CheckedBack();
    CardImagery::SetBackIndex(BackIndex);
    DoAnimation = checkBox5_->isChecked();
    DoSound = checkBox1_->isChecked();
    MinimizeToTray = checkBox2_->isChecked();
    ApplyTrayMode();
    CardSize = radioGroup1_->ItemIndex() == kSmallCards ? kSmallCards : kLargeCards;
    WritePreferences(profile_, *this);
    if (CardSize != openedWith) CardSizeChanged = true;
}

void TPreferencesDlg::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TPreferencesDlg::ApplyTrayMode() const {
    // The launcher hides its taskbar button while the tray icon stands in for it.
    if (TSolitaireForm* launcher = SolitaireForm()) launcher->SetTrayMode(MinimizeToTray);
}

void TPreferencesDlg::PlayOpeningSound() const {
    TSolitaireForm* launcher = SolitaireForm();
    // Opening the audio device takes a moment: let the launcher paint first.
    const auto playOpen = [] {
        if (TSoundManager* sounds = SoundManager()) sounds->PlayOpen();
    };
    if (launcher != nullptr)
        launcher->AfterFirstPaint(playOpen);
    else
        playOpen();
}

void TPreferencesDlg::ShowModal(QWidget* parent) {
    // Kept above the window that asked, without becoming its child: the dialog lives
    // for the whole run and must not go with a game window.
    QWindow* owner = parent != nullptr ? parent->window()->windowHandle() : nullptr;
    if (owner != nullptr) {
        winId();
        if (QWindow* own = windowHandle()) own->setTransientParent(owner);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    if (QWindow* own = windowHandle()) own->setTransientParent(nullptr);
}

void TPreferencesDlg::showEvent(QShowEvent* event) {
    ShowBuiltInBacks();
    QDialog::showEvent(event);
}

void TPreferencesDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        HelpBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPreferencesDlg::HelpBtnClick() {
    Shell().showHelp(kHelpTopic);
}

int TPreferencesDlg::CheckedBack() const {
    for (int index = 0; index < kBackCount; ++index)
        if (backButtons_[static_cast<std::size_t>(index)]->isChecked()) return index;
    return kFirstBack;
}

void TPreferencesDlg::CheckBack(int index) {
    if (InRange(index, kBackCount)) backButtons_[static_cast<std::size_t>(index)]->setChecked(true);
}

void TPreferencesDlg::ChooseBack(int index) {
    CheckBack(index);
    BackIndex = index;
    CardImagery::SetBackIndex(index);
}

void TPreferencesDlg::ISGRadioList1Click() {
    BackgroundIndex = radioGroup2_->ItemIndex();
    ShowBackgroundType(BackgroundIndex);
}

void TPreferencesDlg::ShowBackgroundType(int index) {
    if (InRange(index, pageControl2_->count())) pageControl2_->setCurrentIndex(index);
}

void TPreferencesDlg::ISGRadioList2Click() {
    GradientIndex = radioGroup3_->ItemIndex();
}

void TPreferencesDlg::ColorButtonClick(ColourSwatch& swatch) {
    const std::optional<QColor> chosen = PreferencePrompts().chooseColour(this, swatch.Colour());
    if (chosen && chosen->isValid()) swatch.SetColour(chosen->toRgb());
    const std::uint32_t colour = TableValueFromColor(swatch.Colour());
    if (&swatch == swatches_[0]) BackgroundColor = colour;
    if (&swatch == swatches_[1]) GradientStartColor = colour;
    if (&swatch == swatches_[2]) GradientEndColor = colour;
    StoreCustomColours();
}

void TPreferencesDlg::StoreCustomColours() {
    CustomColorSet colours;
    for (int slot = 0; slot < CustomColourSlots(); ++slot)
        colours[static_cast<std::size_t>(slot)] =
            TableValueFromColor(QColorDialog::customColor(slot));
    const std::string text = TextFromCustomColors(colours);
    if (profile_.WriteText(kCustomColorsKey, text)) CustomColors = text;
}

void TPreferencesDlg::ReadCustomColours() {
    if (!CustomColors) return;
    const CustomColorSet colours = CustomColorsFromText(*CustomColors);
    for (int slot = 0; slot < CustomColourSlots(); ++slot)
        if (const auto colour = colours[static_cast<std::size_t>(slot)])
            QColorDialog::setCustomColor(slot, ColorFromTableValue(*colour));
}

QWidget* TPreferencesDlg::MessageParent() {
    return isVisible() ? this : nullptr;
}

TPreferencesDlg* PreferencesDlg() {
    return TheDialog().data();
}
