#include "shell/preferences_prompts.h"

#include <QColorDialog>
#include <QMessageBox>

#include "shell/picture_file_dialog.h"

namespace {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

PreferencesPrompts DefaultPreferencePrompts() {
    PreferencesPrompts prompts;
    prompts.warning = [](QWidget* parent, const QString& text) {
        ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
    };
    prompts.error = [](QWidget* parent, const QString& text) {
        ShowMessage(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
    };
    prompts.chooseColour = [](QWidget* parent, const QColor& start) -> std::optional<QColor> {
        QColorDialog dialog(start, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.selectedColor();
    };
    prompts.choosePicture = [](QWidget* parent, const PictureRequest& request) {
        return RunPictureFileDialog(parent, request);
    };
    return prompts;
}

PreferencesPrompts& PreferencePrompts() {
    static PreferencesPrompts prompts = DefaultPreferencePrompts();
    return prompts;
}
