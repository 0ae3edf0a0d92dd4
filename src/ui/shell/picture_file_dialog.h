#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "shell/preferences_prompts.h"

class QFileDialog;

// The patterns of a filter text such as "Images (*.bmp;*.jpeg;*.jpg;*.pcx)": the part in
// parentheses, split at semicolons and spaces; the whole text when it has none.
QStringList FilterPatterns(const QString& filterText);
// Whether a file name passes a filter text: patterns match without regard to case,
// and "*.*" means every file, with or without an extension.
bool PassesFilter(const QString& fileName, const QString& filterText);

// The open dialog for a picture, set up as the request asks: the filter texts shown as
// written and each filter showing the files its text names; only an existing file
// can be chosen.
std::unique_ptr<QFileDialog> MakePictureFileDialog(QWidget* parent, const PictureRequest& request);
// Runs it; the chosen file's full path, or empty when the player cancels.
QString RunPictureFileDialog(QWidget* parent, const PictureRequest& request);
