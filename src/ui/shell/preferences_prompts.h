#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// What the open dialog is asked for when the player browses for a picture.
struct PictureRequest {
    QString caption;
    QString folder;        // where it starts
    QString fileName;      // the file it offers, if any
    QStringList filters;   // the filter texts the player chooses from
    QString chosenFilter;  // the one selected at the start
};

// The questions the preferences put to the player, each a hook so that a test can
// answer in the player's place. The defaults show the real dialogs.
struct PreferencesPrompts {
    // A message with a warning or an error icon and an OK button.
    std::function<void(QWidget* parent, const QString& text)> warning;
    std::function<void(QWidget* parent, const QString& text)> error;
    // The colour dialog, starting at a colour; nothing when the player cancels. The
    // dialog's custom colours are QColorDialog's, which it may change either way.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& start)> chooseColour;
    // The open dialog; the chosen file's full path, or empty when the player cancels.
    std::function<QString(QWidget* parent, const PictureRequest& request)> choosePicture;
};

// The hooks in use; the defaults until someone replaces them.
PreferencesPrompts& PreferencePrompts();
PreferencesPrompts DefaultPreferencePrompts();
