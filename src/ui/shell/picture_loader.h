#pragma once

#include <QString>

#include "shell/picture_result.h"

// Reads a picture the player picked for a card back or the table. Files named ".BMP"
// or ".bmp" go through the bitmap reader alone; every other file through the decoder,
// which reads what Qt reads and hands PCX and other formats Qt lacks to
// GraphicsMagick. Anything that is not a sound picture of sensible size is refused:
// missing, empty, a folder, cut short, corrupt, or larger than kLargestPicturePixels.
PictureResult LoadPicture(const QString& path);

// The extension is exactly ".GIF" or ".gif": such pictures are refused before reading.
bool IsGifPath(const QString& path);
// The extension is exactly ".BMP" or ".bmp"; ".Bmp" and the like go to the decoder.
bool IsBitmapPath(const QString& path);
