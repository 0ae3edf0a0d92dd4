#pragma once

#include <QByteArray>
#include <QImage>
#include <QtEndian>

// Small pictures made at run time for the picture-reading tests.

// Every pixel different, so that a shifted or swapped channel shows.
inline QImage PatternPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x * 5 % 256, y * 7 % 256, (x + y) * 3 % 256));
    return picture;
}

// A 24-bit PCX (three planes of 8 bits, run-length coded), written by hand so that it
// does not depend on the library that reads it.
inline QByteArray PcxHeader(int width, int height) {
    constexpr int kHeaderSize = 128;
    QByteArray header(kHeaderSize, '\0');
    auto put16 = [&header](int at, int value) {
        header[at] = static_cast<char>(value & 0xFF);
        header[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    };
    header[0] = 0x0A;  // manufacturer
    header[1] = 5;     // version 3.0
    header[2] = 1;     // run-length coded
    header[3] = 8;     // bits per pixel and plane
    put16(8, width - 1);
    put16(10, height - 1);
    put16(12, 72);
    put16(14, 72);
    header[65] = 3;  // planes
    put16(66, (width + 1) / 2 * 2);
    put16(68, 1);  // colour palette
    return header;
}

inline QByteArray PcxOf(const QImage& picture) {
    QByteArray file = PcxHeader(picture.width(), picture.height());
    const int bytesPerLine = (picture.width() + 1) / 2 * 2;
    for (int y = 0; y < picture.height(); ++y) {
        for (int plane = 0; plane < 3; ++plane) {
            QByteArray line(bytesPerLine, '\0');
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                line[x] = static_cast<char>(plane == 0 ? qRed(pixel) : plane == 1 ? qGreen(pixel) : qBlue(pixel));
            }
            for (int x = 0; x < bytesPerLine;) {
                int run = 1;
                while (x + run < bytesPerLine && run < 63 && line[x + run] == line[x]) ++run;
                const auto value = static_cast<unsigned char>(line[x]);
                if (run > 1 || value >= 0xC0) file.append(static_cast<char>(0xC0 | run));
                file.append(static_cast<char>(value));
                x += run;
            }
        }
    }
    return file;
}

// The headers of bitmaps far beyond any sensible size, with hardly any pixel data.
inline QByteArray HugeBmpHeader(int width, int height) {
    QByteArray file(54 + 16, '\0');
    auto put32 = [&file](int at, quint32 value) { qToLittleEndian(value, file.data() + at); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<quint32>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    file[26] = 1;   // planes
    file[28] = 24;  // bits per pixel
    return file;
}
