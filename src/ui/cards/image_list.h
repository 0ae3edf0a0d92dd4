#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// A row of same-sized pictures drawn by index. Pictures added with a mask colour have
// that colour made transparent once, when they are prepared, so drawing is a plain
// blit. A picture may also be added as a recipe and drawn only when first needed, so
// a table that shows seven faces does not pay for fifty-three. Sizes are logical: a picture rendered at a higher device pixel ratio keeps
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
    // Adds a picture that is rendered (and masked) the first time it is drawn or asked for.
    int AddDeferred(std::function<QImage()> render, std::optional<QColor> maskColor);
    // Puts a masked picture in place of an existing one; out-of-range indices are ignored.
    void ReplaceMasked(int index, const QImage& image, const QColor& maskColor);

    // The picture at an index, or a null pixmap when there is none.
    QPixmap Pixmap(int index) const;
    // Draws the picture at a logical position; an index without a picture draws nothing.
    void Draw(QPainter& painter, QPoint at, int index) const;

private:
    struct Entry {
        QPixmap picture;
        std::function<QImage()> render;  // empty once the picture is made
        std::optional<QColor> mask;
    };

    QPixmap Prepare(QImage image, const std::optional<QColor>& maskColor) const;
    const QPixmap& PictureAt(int index) const;

    QSize logicalSize_;
    mutable std::vector<Entry> images_;
};
