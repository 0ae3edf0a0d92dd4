#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "cards/card_pile.h"
#include "cards/card_size.h"
#include "piles/pile_role.h"

// What an empty pile shows.
enum _PileBitmap : int { FS_BLANK = 0, FS_RECYCLE = 1, FS_EMPTY = 2 };
// How a view paints its background.
enum _BackgroundType : int { FS_NORMAL = 0, FS_BITMAP = 1 };

enum class MouseButton { Left, Right, Middle };

struct PileRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// How urgently a painter should show a change.
enum class RedrawKind { Now, Later };

// One pile on the table as data: its cards, where it stands, how it fans its cards,
// and the bookkeeping of one drag (press, lift, drop). The widget that paints it
// observes it; the rules that decide what may move live in the game.
class TCardPileView {
public:
    explicit TCardPileView(std::string name = {}, CardDimensions card = LARGE_CARD);
    TCardPileView(const TCardPileView&) = delete;
    TCardPileView& operator=(const TCardPileView&) = delete;

    // Published properties.
    std::string Name;
    PileRole Role = PileRole::None;
    int Number = 0;  // 1 for TableauPileView1; 0 for a view that stands alone
    int Left = 0, Top = 0, Width = 0, Height = 0;
    float XOffset = 0.0f;
    float YOffset = 0.0f;
    bool IsBordered = false;
    bool AllowDrag = false;
    bool DragDelayed = false;
    _PileBitmap State = FS_BLANK;
    _BackgroundType BackgroundMode = FS_NORMAL;
    bool Visible = true;
    bool ShowHint = false;
    std::string Hint;
    // 0x00BBGGRR; follows the table colour unless a layout sets its own.
    std::uint32_t Color = 0x004000;
    bool HasOwnColor = false;

    // Run-time fields.
    TCardPile Pile;
    CardRef PickedCard;
    TCardPile DragPile;
    bool DragPermitted = false;
    TCardPileView* Destination = nullptr;
    bool ManualDrop = false;
    PileRect HitRect;
    int GrabX = 0, GrabY = 0;

    CardDimensions CardSize() const { return card_; }
    // Card i's top-left corner: the offsets times the index, truncated toward zero.
    int CardLeft(int index) const { return static_cast<int>(static_cast<float>(index) * XOffset); }
    int CardTop(int index) const { return static_cast<int>(static_cast<float>(index) * YOffset); }
    PileRect CardRect(int index) const;
    // The drag image: one offset step larger than the lifted cards need.
    CardDimensions DragImageSize() const;

    // Press: resets the drag decision and, for the left button, finds the topmost
    // card under (x, y) in the view's own coordinates.
    void MouseDown(MouseButton button, int x, int y);
    // Lift: moves the picked card and every card above it into DragPile, when the
    // game permitted the drag and the view allows dragging. Returns whether it lifted.
    bool Lift();
    // Drop: the lifted cards go back on top of this pile when there is no destination
    // or the destination is this view; otherwise onto the destination unless ManualDrop.
    void EndDrag();

    // Painters observe the view: Repaint asks to be shown at once, Invalidate later.
    using Observer = std::function<void(TCardPileView&, RedrawKind)>;
    void SetObserver(Observer observer) { observer_ = std::move(observer); }
    void Repaint() { Notify(RedrawKind::Now); }
    void Invalidate() { Notify(RedrawKind::Later); }

private:
    void Notify(RedrawKind kind);

    CardDimensions card_;
    Observer observer_;
};
