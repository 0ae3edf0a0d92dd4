// The opening table of a game, painted for the launcher's preview.
#include <QHash>
#include <QPainter>

#include "cards/card_imagery.h"
#include "cards/shuffle.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "games/table_colour.h"
#include "shell/game_preview.h"

namespace {

// The deal every preview shows, so a game's picture is the same in every run.
constexpr std::uint32_t kPreviewDealSeed = 19960301;
constexpr int kFirstFaceNumber = 100;
constexpr int kFirstBackNumber = 153;
constexpr int kRecycleMarkNumber = 156;
constexpr int kCrossMarkNumber = 157;
constexpr int kBuiltInBacks = 3;
constexpr QRgb kTransparentKey = 0xFFFF00FF;
// Felt kept around the cards when the table is cut to them.
constexpr int kCutMargin = 6;
const QColor kEtchShadow(0, 0, 0);
const QColor kEtchLight(128, 128, 128);

// A game played by nobody: it deals and answers every question with no.
class SilentHost final : public GameHost {
public:
    bool Confirm(const std::string&) override { return false; }
    int ShowWinWindow() override { return WIN_OK; }
    void ShowStatistics() override {}
    void ShowPreferences() override {}
    void ShowHelp(int) override {}
    void SetCaption(const std::string&) override {}
    void Play(Sound) override {}
    bool DealAnimationOn() const override { return false; }
    void SetCloseAllowed(bool) override {}
};

// Large-card artwork straight from the resources, at the screen's pixel ratio, so the
// preview leaves the card size of the game windows alone.
class CardArt {
public:
    const QImage& Picture(int number) {
        auto found = pictures_.find(number);
        if (found != pictures_.end()) return found.value();
        QImage image = CardImagery::ResourceImage(QString::asprintf("FSCARD%d", number));
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == kTransparentKey) line[x] = 0;
        }
        return pictures_.insert(number, image).value();
    }

    const QImage& Card(const TCard& card) {
        const int back = CardImagery::GetBackIndex();
        return Picture(card.FaceUp ? kFirstFaceNumber + card.FaceIndex()
                                   : kFirstBackNumber + (back >= 0 && back < kBuiltInBacks ? back : 0));
    }

private:
    QHash<int, QImage> pictures_;
};

QRect PaintView(QPainter& p, const TCardPileView& view, CardArt& art) {
    const QRect place(view.Left, view.Top, view.Width, view.Height);
    QRect painted;
    if (view.HasOwnColor) {
        p.fillRect(place, ColorFromTableValue(view.Color));
        painted = place;
    }
    if (view.IsBordered) {
        p.setBrush(Qt::NoBrush);
        p.setPen(kEtchShadow);
        p.drawRect(place.adjusted(0, 0, -2, -2));
        p.setPen(kEtchLight);
        p.drawRect(place.adjusted(1, 1, -1, -1));
        painted = place;
    }
    const CardDimensions card = view.CardSize();
    const int count = view.Pile.GetCardCount();
    for (int i = 0; i < count; ++i) {
        const QPoint at(view.Left + view.CardLeft(i), view.Top + view.CardTop(i));
        p.drawImage(at, art.Card(*view.Pile.CardAt(i)));
        painted |= QRect(at, QSize(card.width, card.height));
    }
    if (count == 0 && (view.State == FS_RECYCLE || view.State == FS_EMPTY)) {
        const QPoint at(view.Left, view.Top);
        p.drawImage(at, art.Picture(view.State == FS_RECYCLE ? kRecycleMarkNumber : kCrossMarkNumber));
        painted |= QRect(at, QSize(card.width, card.height));
    }
    return painted;
}

}  // namespace

QImage RenderOpeningTable(const GameEntry& game, qreal devicePixelRatio) {
    const GameLayout* layout = game.LayoutFor(CZ_LARGE);
    if (!game.Playable() || layout == nullptr) return {};
    SilentHost host;
    const std::unique_ptr<SolitaireGame> table = game.make(*layout, host, Shell().settingsFile);
    shuffle::FixNextDealSeed(kPreviewDealSeed);
    table->Create();

    QImage image(QSize(layout->clientWidth, layout->clientHeight) * devicePixelRatio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QRect used;
    {
        QPainter p(&image);
        CardArt art;
        for (const auto& view : table->Views())
            if (view->Visible) used |= PaintView(p, *view, art);
    }
    used = used.adjusted(-kCutMargin, -kCutMargin, kCutMargin, kCutMargin) &
           QRect(0, 0, layout->clientWidth, layout->clientHeight);
    if (used.isEmpty()) return image;
    QImage cut = image.copy(QRect(used.topLeft() * devicePixelRatio, used.size() * devicePixelRatio));
    cut.setDevicePixelRatio(devicePixelRatio);
    return cut;
}
