#include "cards/card_imagery.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <memory>

#include "cards/card_artwork.h"

namespace {

constexpr int kFirstFaceNumber = 100;
constexpr int kFirstBackNumber = 153;
constexpr int kRecycleMarkNumber = 156;
constexpr int kCrossMarkNumber = 157;
const QColor kTransparentKey(255, 0, 255);

struct Imagery {
    _CardSize size = CZ_LARGE;
    int backIndex = 0;
    bool loaded = false;
    std::unique_ptr<ImageList> faces;
    std::unique_ptr<ImageList> backs;
    std::unique_ptr<ImageList> marks;
    bool cleanupRegistered = false;
};

Imagery& State() {
    static Imagery imagery;
    return imagery;
}

QImage Rendered(const QString& name) { return RenderCardResource(name, CardImagery::DevicePixelRatio()); }

QString ResourceName(_CardSize size, int number) {
    return QString::asprintf(size == CZ_SMALL ? "sFSCARD%d" : "FSCARD%d", number);
}

QSize LogicalSizeOf(_CardSize size) {
    const CardDimensions d = DimensionsOf(size);
    return {d.width, d.height};
}

void RegisterCleanup() {
    // Pixmaps must go before the application object does.
    Imagery& s = State();
    if (s.cleanupRegistered || QCoreApplication::instance() == nullptr) return;
    qAddPostRoutine(&CardImagery::FreeCardBitmaps);
    s.cleanupRegistered = true;
}

void LoadLists(_CardSize size) {
    Imagery& s = State();
    if (s.loaded) return;
    RegisterCleanup();
    // Each picture is drawn the first time a card shows it.
    auto resource = [size](int number) { return [name = ResourceName(size, number)] { return Rendered(name); }; };

    s.faces = std::make_unique<ImageList>(LogicalSizeOf(size));
    for (int i = 0; i < CardImagery::kFaceCount; ++i) s.faces->AddDeferred(resource(kFirstFaceNumber + i), kTransparentKey);
    s.backs = std::make_unique<ImageList>(LogicalSizeOf(size));
    for (int i = 0; i < CardImagery::kBuiltInBackCount; ++i)
        s.backs->AddDeferred(resource(kFirstBackNumber + i), kTransparentKey);
    s.loaded = true;
}

}  // namespace

void CardImagery::LoadCardBitmaps() { LoadLists(CZ_LARGE); }

void CardImagery::LoadSmallCardBitmaps() { LoadLists(CZ_SMALL); }

void CardImagery::FreeCardBitmaps() {
    Imagery& s = State();
    s.faces.reset();
    s.backs.reset();
    s.marks.reset();
    s.loaded = false;
}

void CardImagery::EnsureLoaded() {
    if (State().loaded) return;
    if (State().size == CZ_SMALL) LoadSmallCardBitmaps(); else LoadCardBitmaps();
}

void CardImagery::SetCardSize(_CardSize size) {
    Imagery& s = State();
    if (size == s.size) return;
    FreeCardBitmaps();
    s.size = size;
    EnsureLoaded();
    LoadPileBitmaps();
}

_CardSize CardImagery::GetCardSize() { return State().size; }

QSize CardImagery::CardLogicalSize() { return LogicalSizeOf(State().size); }

void CardImagery::SetBackIndex(int index) { State().backIndex = index; }

int CardImagery::GetBackIndex() { return State().backIndex; }

ImageList* CardImagery::GetCardImageList() { return State().faces.get(); }

ImageList* CardImagery::GetBackImageList() { return State().backs.get(); }

ImageList* CardImagery::GetPileImageList() { return State().marks.get(); }

void CardImagery::DrawCardOnCanvas(QPainter& painter, QPoint at, const TCard& card) {
    EnsureLoaded();
    const Imagery& s = State();
    if (card.FaceUp) s.faces->Draw(painter, at, card.FaceIndex()); else s.backs->Draw(painter, at, s.backIndex);
}

QPixmap CardImagery::GetCardBitmap(const TCard& card) {
    EnsureLoaded();
    return State().faces->Pixmap(card.FaceIndex());
}

void CardImagery::LoadPileBitmaps() {
    Imagery& s = State();
    if (s.marks) return;
    RegisterCleanup();
    s.marks = std::make_unique<ImageList>(LogicalSizeOf(s.size));
    for (int number : {kRecycleMarkNumber, kCrossMarkNumber})
        s.marks->AddDeferred([name = ResourceName(s.size, number)] { return Rendered(name); }, std::nullopt);
}

void CardImagery::DrawPileMark(QPainter& painter, QPoint at, int markIndex) {
    LoadPileBitmaps();
    State().marks->Draw(painter, at, markIndex);
}

void CardImagery::InstallCustomBack(const QPixmap& back) {
    EnsureLoaded();
    ImageList& backs = *State().backs;
    const QImage image = back.toImage();
    if (backs.Count() > kCustomBackIndex) {
        backs.ReplaceMasked(kCustomBackIndex, image, kTransparentKey);
    } else {
        backs.AddMasked(image, kTransparentKey);
    }
}

QImage CardImagery::ResourceImage(const QString& name) { return Rendered(name); }

qreal CardImagery::DevicePixelRatio() {
    qreal ratio = 1.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) ratio = screen->devicePixelRatio();
    return ratio < 1.0 ? 1.0 : ratio;
}
