// Renders every card picture, back, mark and border of both sizes at device pixel
// ratios 1 and 2 onto contact sheets, with fanned columns and rows on the table
// colour, writes close-ups for review, and times how long the artwork of one size
// takes to draw.
//
//   QT_QPA_PLATFORM=offscreen card_sheet [output folder]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "cards/card_artwork.h"
#include "cards/card_size.h"
#include "cards/image_list.h"

namespace {

constexpr int kFirstNumber = 100;
constexpr int kFirstMarkNumber = 156;
constexpr int kLastNumber = 157;
constexpr int kMargin = 16;
constexpr int kGap = 8;
constexpr int kRanks = 13;
constexpr int kFanZoom = 3;
constexpr int kTimingRounds = 5;
const QColor kTable(0, 64, 0);
const QColor kKey(255, 0, 255);

QString Name(_CardSize size, int number) {
    return QString::asprintf(size == CZ_SMALL ? "sFSCARD%d" : "FSCARD%d", number);
}

QString Prefix(_CardSize size) { return size == CZ_SMALL ? QStringLiteral("s") : QString(); }

// Every picture of one size, keyed as the game's lists key them: list images 0-51
// the faces, 52 the joker, 53-55 the backs, 56-57 the marks.
struct SizeSet {
    _CardSize size;
    ImageList cards;
    QPixmap border;
    QPixmap borderMask;
};

SizeSet BuildSet(_CardSize size, qreal ratio) {
    const CardDimensions d = DimensionsOf(size);
    SizeSet set{size, ImageList(QSize(d.width, d.height)), {}, {}};
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        const QImage image = RenderCardResource(Name(size, n), ratio);
        if (n >= kFirstMarkNumber) set.cards.Add(image); else set.cards.AddMasked(image, kKey);
    }
    ImageList extras(QSize(d.width, d.height));
    extras.AddMasked(RenderCardResource(Prefix(size) + "BORDER", ratio), kKey);
    extras.Add(RenderCardResource(Prefix(size) + "BORDERMASK", ratio));
    set.border = extras.Pixmap(0);
    set.borderMask = extras.Pixmap(1);
    return set;
}

void Label(QPainter& p, QPoint at, const QString& text) {
    p.setPen(QColor(230, 240, 230));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.drawText(at, text);
}

// The ways a game fans its piles: a column of two backs and five faces, a column of
// mixed cards, a row fanned sideways as Beleaguered Castle deals it, Klondike's waste.
QSize DrawFans(QPainter& p, const SizeSet& set, QPoint at) {
    const CardDimensions d = DimensionsOf(set.size);
    const int fan = set.size == CZ_SMALL ? 16 : 20;
    const int column[] = {54, 53, 51, 10, 35, 22, 47};
    for (int i = 0; i < 7; ++i) set.cards.Draw(p, at + QPoint(0, i * fan), column[i]);
    const int columnB[] = {12, 37, 23, 48, 9, 34, 0};
    const int secondLeft = d.width + kGap * 2;
    for (int i = 0; i < 7; ++i) set.cards.Draw(p, at + QPoint(secondLeft, i * fan), columnB[i]);
    const int step = set.size == CZ_SMALL ? 9 : 12;
    const int row[] = {25, 11, 50, 36, 21, 8, 39};
    const int rowLeft = 2 * secondLeft;
    for (int i = 0; i < 7; ++i) set.cards.Draw(p, at + QPoint(rowLeft + i * step, 0), row[i]);
    const int wasteLeft = rowLeft + 6 * step + d.width + kGap * 2;
    for (int i = 0; i < 3; ++i) set.cards.Draw(p, at + QPoint(wasteLeft + i * 20, i * 2), 13 + 4 * i);
    return {wasteLeft + 2 * 20 + d.width, 6 * fan + d.height};
}

// Returns the height used.
int DrawSizeSection(QPainter& p, const SizeSet& set, int top) {
    const CardDimensions d = DimensionsOf(set.size);
    Label(p, QPoint(kMargin, top + 14), set.size == CZ_SMALL ? "Small cards 61 x 95" : "Large cards 80 x 125");
    int y = top + 24;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < kRanks; ++rank) {
            set.cards.Draw(p, QPoint(kMargin + rank * (d.width + kGap), y), suit * kRanks + rank);
        }
        y += d.height + kGap;
    }
    int x = kMargin;
    for (int i = 52; i < set.cards.Count(); ++i) {
        set.cards.Draw(p, QPoint(x, y), i);
        x += d.width + kGap;
    }
    p.drawPixmap(QPoint(x, y), set.border);
    x += d.width + kGap;
    p.drawPixmap(QPoint(x, y), set.borderMask);
    y += d.height + kGap * 2;
    y += DrawFans(p, set, QPoint(kMargin, y)).height() + kGap * 2;
    return y - top;
}

QImage OnTable(QSize logical, qreal ratio) {
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kTable);
    return image;
}

QImage Sheet(qreal ratio) {
    const SizeSet large = BuildSet(CZ_LARGE, ratio);
    const SizeSet small = BuildSet(CZ_SMALL, ratio);
    QImage sheet = OnTable(QSize(2 * kMargin + kRanks * (80 + kGap), 1800), ratio);
    QPainter p(&sheet);
    int y = kMargin;
    y += DrawSizeSection(p, large, y);
    DrawSizeSection(p, small, y);
    return sheet;
}

// The fans at ratio 1, blown up pixel for pixel, to judge the index at its real size.
QImage FanZoom(_CardSize size) {
    const SizeSet set = BuildSet(size, 1);
    const QSize used = size == CZ_SMALL ? QSize(400, 210) : QSize(500, 270);
    QImage scene = OnTable(used, 1);
    QPainter p(&scene);
    DrawFans(p, set, QPoint(8, 8));
    p.end();
    return scene.scaled(scene.size() * kFanZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Chosen list images side by side at their native pixels.
QImage Row(_CardSize size, qreal ratio, const std::vector<int>& indices) {
    const SizeSet set = BuildSet(size, ratio);
    const CardDimensions d = DimensionsOf(size);
    QImage scene = OnTable(QSize(8 + static_cast<int>(indices.size()) * (d.width + 8), d.height + 16), ratio);
    QPainter p(&scene);
    int x = 8;
    for (const int index : indices) {
        set.cards.Draw(p, QPoint(x, 8), index);
        x += d.width + 8;
    }
    return scene;
}

// The first round pays for building the suit and letter outlines; the later ones
// are what each further size or ratio costs.
void TimeRendering() {
    for (const qreal ratio : {1.0, 2.0}) {
        for (const _CardSize size : {CZ_LARGE, CZ_SMALL}) {
            double first = 0;
            double best = 1e9;
            for (int round = 0; round < kTimingRounds; ++round) {
                QElapsedTimer timer;
                timer.start();
                for (int n = kFirstNumber; n <= kLastNumber; ++n) RenderCardResource(Name(size, n), ratio);
                const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                if (round == 0) first = ms; else if (ms < best) best = ms;
            }
            std::printf("render 58 %s images at ratio %.0f: first %.1f ms, then best %.1f ms\n",
                        size == CZ_SMALL ? "small" : "large", ratio, first, best);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    TimeRendering();
    const auto save = [&](const QImage& image, const QString& name) {
        const QString file = out.filePath(name);
        if (image.save(file)) std::printf("wrote %s\n", qPrintable(file));
        else std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    };
    save(Sheet(1), "card_sheet_dpr1.png");
    save(Sheet(2), "card_sheet_dpr2.png");
    save(FanZoom(CZ_LARGE), "review_fans_large.png");
    save(FanZoom(CZ_SMALL), "review_fans_small.png");
    save(Row(CZ_LARGE, 2, {10, 11, 12, 49, 50, 51}), "review_courts_large_dpr2.png");
    save(Row(CZ_LARGE, 1, {10, 11, 12, 49, 50, 51, 52}), "review_courts_large_dpr1.png");
    save(Row(CZ_SMALL, 2, {23, 24, 25, 36, 37, 38, 52}), "review_courts_small_dpr2.png");
    save(Row(CZ_LARGE, 2, {52, 53, 54, 55, 56, 57}), "review_backs_large_dpr2.png");
    save(Row(CZ_LARGE, 2, {0, 13, 27, 42, 19, 34}), "review_pips_large_dpr2.png");
    save(Row(CZ_LARGE, 4, {50, 24, 52}), "review_court_closeup_dpr4.png");
    return 0;
}
