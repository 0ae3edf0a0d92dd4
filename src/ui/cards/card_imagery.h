#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include "cards/card.h"
#include "cards/card_size.h"
#include "cards/image_list.h"

class QPainter;

// The card pictures shared by every card of the program: one list of 53 faces and
// one of 3 backs (4 with the player's own back) at the current card size, plus the
// two empty-pile marks. Pictures are rendered at the primary screen's device pixel
// ratio and drawn at the card's logical size, so cards stay crisp on HiDPI screens.
// Each picture is rendered the first time it is drawn at the current size, so a
// window pays only for the cards it shows.
class CardImagery {
public:
    CardImagery() = delete;

    static constexpr int kFaceCount = 53;
    static constexpr int kBuiltInBackCount = 3;
    static constexpr int kCustomBackIndex = 3;
    static constexpr int kRecycleMarkIndex = 0;
    static constexpr int kCrossMarkIndex = 1;

    // Build the lists at 80 × 125 ("FSCARD...") or 61 × 95 ("sFSCARD..."), unless lists
    // of either size are already loaded.
    static void LoadCardBitmaps();
    static void LoadSmallCardBitmaps();
    // Drops the face, back and mark lists; a custom back goes with them.
    static void FreeCardBitmaps();
    // Loads the lists of the current size when none are loaded (what making the first
    // card does).
    static void EnsureLoaded();

    // A different size frees everything and reloads lists and marks at the new size;
    // the current size changes nothing.
    static void SetCardSize(_CardSize size);
    static _CardSize GetCardSize();
    static QSize CardLogicalSize();

    // Which back a face-down card shows; not range-checked, 3 is the custom back.
    static void SetBackIndex(int index);
    static int GetBackIndex();

    // The lists themselves, owned here; null while not loaded.
    static ImageList* GetCardImageList();
    static ImageList* GetBackImageList();
    static ImageList* GetPileImageList();

    // Draws a card's face or its back at a logical position, the table showing
    // through its rounded corners. A back index without a picture draws nothing.
    static void DrawCardOnCanvas(QPainter& painter, QPoint at, const TCard& card);
    // The card's face, whether it lies face up or not.
    static QPixmap GetCardBitmap(const TCard& card);

    // The empty-pile marks at the current size: 0 recycle, 1 cross.
    static void LoadPileBitmaps();
    static void DrawPileMark(QPainter& painter, QPoint at, int markIndex);

    // Adds the player's back as back 3, or replaces it; magenta in it is transparent.
    static void InstallCustomBack(const QPixmap& back);
    // A named picture at the current device pixel ratio (for building the custom
    // back on "BORDER" and "BORDERMASK"); null for an unknown name.
    static QImage ResourceImage(const QString& name);
    // The device pixel ratio pictures are rendered at: the primary screen's, at least 1.
    static qreal DevicePixelRatio();
};
