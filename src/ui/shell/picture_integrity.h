#pragma once

#include <QByteArrayView>

// Whether a picture file holds all the data its header promises. Qt's readers fill a
// cut-off bitmap or JPEG with grey and call it a success; we refuse such files instead.
// Bytes of another format are not judged here (true).

// A BMP's pixel rows all lie inside the file.
bool BitmapDataComplete(QByteArrayView bytes);
// A JPEG's markers run on to its end-of-image marker.
bool JpegReachesItsEnd(QByteArrayView bytes);
