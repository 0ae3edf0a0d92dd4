#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

// A row of same-sized pictures drawn by index. Pictures added with a mask colour have
// that colour made transparent once, when they are added, so drawing is a plain
// blit. Sizes are logical: a picture rendered at a higher device pixel ratio keeps
// its extra pixels and is drawn at the list's logical size.
class ImageList {
public:
    explicit ImageList(QSize logicalSize);

    QSize LogicalSize() const { return logicalSize_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds a picture as it is; returns its index.
    int Add(const QImage& image);
    // Adds a picture with every pixel of the mask colour turned transparent.
    int AddMasked(const QImage& image, const QColor& maskColor);
    // Puts a masked picture in place of an existing one; out-of-range indices are ignored.
    void ReplaceMasked(int index, const QImage& image, const QColor& maskColor);

    // The picture at an index, or a null pixmap when there is none.
    QPixmap Pixmap(int index) const;
    // Draws the picture at a logical position; an index without a picture draws nothing.
    void Draw(QPainter& painter, QPoint at, int index) const;

private:
    QPixmap Prepare(QImage image, const QColor* maskColor) const;

    QSize logicalSize_;
    std::vector<QPixmap> images_;
};
