// The preferences' pictures: the custom card back, the tiled table picture and the
// open dialog that finds them.
#include <string_view>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "cards/card_imagery.h"
#include "shell/custom_back.h"
#include "shell/picture_loader.h"
#include "shell/preferences_dialog.h"
#include "shell/preferences_prompts.h"
#include "shell/radio_group.h"

namespace {

const char* const kCustomImageKey = "CustomImage";
const char* const kBackgroundImageKey = "BackgroundImage";
const QLatin1String kImagesFilter("Images (*.bmp;*.jpeg;*.jpg;*.pcx)");
const QLatin1String kAllFilesFilter("All Files (*.*)");
const QLatin1String kGifRefusal("GIF images are not supported.");
constexpr int kCustomBack = CardImagery::kCustomBackIndex;
constexpr int kFirstBack = 0;
constexpr int kSolidColour = 0;
constexpr std::size_t kCustomBackImage = 3;
constexpr std::size_t kBackgroundImage = 4;

// The extensions the "Images" filter is chosen for, exactly as written.
bool OffersImagesFilter(const QString& fileName) {
    static const QStringList extensions{".BMP", ".bmp", ".JPEG", ".jpeg",
                                        ".JPG", ".jpg", ".PCX",  ".pcx"};
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && extensions.contains(fileName.mid(dot));
}

}  // namespace

void TPreferencesDlg::LoadCustomBack(const QString& path, bool select, bool atStartUp) {
    if (!QFileInfo::exists(path)) {
        DropCustomBack();
        PreferencePrompts().warning(MessageParent(), QStringLiteral("The custom card back image ") +
                                                         path + QStringLiteral(" was not found."));
        return;
    }
    if (IsGifPath(path)) {
        if (atStartUp) {
            DropCustomBack();
        } else {
            PreferencePrompts().error(MessageParent(), kGifRefusal);
        }
        return;
    }
    if (!BuildCustomBack(path, select)) DropCustomBack();
}

bool TPreferencesDlg::BuildCustomBack(const QString& path, bool select) {
    const PictureResult loaded = LoadPicture(path);
    if (!loaded) return false;
    // The preview is always a large card; the back the cards use has the size the card
    // imagery holds now, which is the size the next game window opens with.
    const QImage preview = BackOnBlankCard(loaded.picture, CZ_LARGE);
    const _CardSize size = CardImagery::GetCardSize();
    const QImage back = MaskedCardBack(
        size == CZ_LARGE ? preview : BackOnBlankCard(loaded.picture, CZ_SMALL), size);
    if (preview.isNull() || back.isNull()) return false;
    CardImagery::InstallCustomBack(QPixmap::fromImage(back));

    const QColor face = palette().color(QPalette::Window);
    QImage shown = OnDialogFace(preview, face);
    RoundCorners(shown, face);
    images_[kCustomBackImage]->setPixmap(QPixmap::fromImage(shown));

    StorePicturePath(kCustomImageKey, path);
    backButtons_[kCustomBack]->setEnabled(true);
    if (select) ChooseBack(kCustomBack);
    return true;
}

void TPreferencesDlg::DropCustomBack() {
    images_[kCustomBackImage]->clear();
    backButtons_[kCustomBack]->setEnabled(false);
    profile_.WriteNone(kCustomImageKey);
    CustomImage.reset();
    // A disabled button must not stay checked, or closing would choose a back that is gone.
    if (BackIndex == kCustomBack || backButtons_[kCustomBack]->isChecked()) ChooseBack(kFirstBack);
}

void TPreferencesDlg::LoadBackgroundImage(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ClearBackgroundPicture();
        profile_.WriteNone(kBackgroundImageKey);
        BackgroundImage.reset();
        BackgroundIndex = kSolidColour;
        radioGroup2_->SetItemIndex(kSolidColour);
        ShowBackgroundType(kSolidColour);
        PreferencePrompts().warning(MessageParent(), QStringLiteral("The game background image ") +
                                                         path + QStringLiteral(" was not found."));
        return;
    }
    if (IsGifPath(path)) {
        PreferencePrompts().error(MessageParent(), kGifRefusal);
        return;
    }
    const PictureResult loaded = LoadPicture(path);
    if (!loaded) {
        ClearBackgroundPicture();
        profile_.WriteNone(kBackgroundImageKey);
        BackgroundImage.reset();
        return;
    }
    backgroundPicture_ = QPixmap::fromImage(loaded.picture);
    images_[kBackgroundImage]->setPixmap(backgroundPicture_);
    StorePicturePath(kBackgroundImageKey, path);
    label6_->hide();
}

void TPreferencesDlg::ClearBackgroundPicture() {
    backgroundPicture_ = QPixmap();
    images_[kBackgroundImage]->clear();
    label6_->show();
}

void TPreferencesDlg::StorePicturePath(const char* key, const QString& path) {
    const std::string text = path.toStdString();
    std::optional<std::string>& field =
        std::string_view(key) == kCustomImageKey ? CustomImage : BackgroundImage;
    // A path the settings file cannot hold (a line break in a file name) must not
    // leave an older path behind to be loaded next time.
    if (profile_.WriteText(key, text)) {
        field = text;
    } else {
        profile_.WriteNone(key);
        field.reset();
    }
}

void TPreferencesDlg::BrowseButtonClick(const QPushButton& button) {
    const bool cardBack = &button == browseButton_;
    const char* key = cardBack ? kCustomImageKey : kBackgroundImageKey;
    PictureRequest request{QStringLiteral("Open"),
                           QDir::homePath(),
                           QString(),
                           {kImagesFilter, kAllFilesFilter},
                           kImagesFilter};
    if (const auto stored = profile_.ReadText(key)) {
        const QFileInfo file(QString::fromStdString(*stored));
        if (file.isFile()) {
            request.folder = file.absolutePath();
            request.fileName = file.fileName();
            request.chosenFilter =
                OffersImagesFilter(file.fileName()) ? kImagesFilter : kAllFilesFilter;
        }
    }
    const QString chosen = PreferencePrompts().choosePicture(this, request);
    if (chosen.isEmpty()) return;
    if (cardBack)
        LoadCustomBack(chosen, true, false);
    else
        LoadBackgroundImage(chosen);
}

void TPreferencesDlg::RefreshCustomBack() {
    if (!CardSizeChanged) return;
    const auto stored = profile_.ReadText(kCustomImageKey);
    if (!stored || stored->empty()) return;
    LoadCustomBack(QString::fromStdString(*stored), BackIndex == kCustomBack, false);
}

const QPixmap* TPreferencesDlg::GetBackgroundPicture() const {
    return backgroundPicture_.isNull() ? nullptr : &backgroundPicture_;
}
