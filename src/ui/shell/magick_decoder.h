#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "shell/picture_result.h"

// Pictures in formats that Qt cannot read (PCX above all) go to GraphicsMagick. Only
// formats recognised here by their signature are handed over, and always by name, so
// the library never guesses a format of its own from hostile bytes.

// The GraphicsMagick format name for these bytes, or null when it is none of ours.
const char* MagickFormatOf(QByteArrayView bytes);

// Decodes the first picture of the file, within the program's pixel and memory limits.
PictureResult DecodeWithMagick(const QByteArray& bytes, const char* format);
