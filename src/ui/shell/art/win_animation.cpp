#include "shell/art/art_fireworks.h"
#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"
#include "shell/art/art_stage.h"
#include "shell/art/art_table.h"
#include "shell/art/art_trophy.h"
#include "shell/art/jester_figure.h"
#include "shell/art/shell_pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// The win celebration: fireworks over the table at night, the jester waving behind
// it, the four finished foundations in front, confetti drifting down. Everything
// that moves repeats a whole number of times in the ten frames, so the loop is seamless.
namespace shell_art {
namespace {

constexpr qreal kRailTop = 100.0;
constexpr qreal kRailHeight = 7.0;
constexpr qreal kJesterScale = 0.9;
// Puts the jester's belt just behind the rail, with his waving hands above it.
const QPointF kJesterOrigin(188.0 - 34.0 * kJesterScale, kRailTop - 80.0 * kJesterScale);
const QSizeF kCardSize(28.0, 41.0);
constexpr qreal kCardsTop = 110.0;
const QPointF kTrophyBase(188.0, 148.0);
constexpr qreal kTrophyHeight = 34.0;
constexpr int kStars = 26;
constexpr int kConfetti = 18;
constexpr qreal kConfettiFall = 170.0;

qreal LoopPhase(int frame) { return static_cast<qreal>(frame) / kWinFrameCount; }

// A small fixed sequence, so the stars and confetti lie the same way every run.
class Scatter {
public:
    explicit Scatter(quint32 seed) : state_(seed) {}
    qreal Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<qreal>(state_ >> 8) / static_cast<qreal>(1u << 24);
    }

private:
    quint32 state_;
};

void PaintSky(QPainter& p, int frame) {
    const QRectF sky(0.0, 0.0, kWinFrameSize.width(), kRailTop);
    QLinearGradient night(sky.topLeft(), sky.bottomLeft());
    night.setColorAt(0.0, QColor(0x0B, 0x10, 0x30));
    night.setColorAt(0.65, QColor(0x24, 0x1A, 0x4C));
    night.setColorAt(1.0, QColor(0x4A, 0x2A, 0x5E));
    p.fillRect(sky, night);

    Scatter scatter(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kStars; ++i) {
        const QPointF at(scatter.Next() * sky.width(), scatter.Next() * (kRailTop - 22.0));
        const qreal phase = scatter.Next();
        const int beats = 1 + (i % 2);
        const qreal twinkle = 0.55 + 0.45 * std::sin(2.0 * std::numbers::pi * (beats * LoopPhase(frame) + phase));
        const qreal size = 0.5 + scatter.Next() * 0.7;
        p.setBrush(QColor(255, 250, 225, qRound(255 * twinkle)));
        p.drawEllipse(at, size, size);
    }
}

void PaintTable(QPainter& p) {
    const QRectF felt(0.0, kRailTop + kRailHeight, kWinFrameSize.width(),
                      kWinFrameSize.height() - kRailTop - kRailHeight);
    PaintFelt(p, felt, QPointF(188.0, 118.0), 230.0);
    PaintTableRail(p, QRectF(0.0, kRailTop, kWinFrameSize.width(), kRailHeight));
}

// The four completed foundations, each a king on a little stack.
void PaintFoundations(QPainter& p) {
    struct Pile {
        qreal centreX;
        Suit suit;
    };
    constexpr std::array<Pile, 4> kPiles{{{42.0, Suit::Spades}, {92.0, Suit::Hearts},
                                          {284.0, Suit::Diamonds}, {334.0, Suit::Clubs}}};
    constexpr int kStackEdges = 3;
    for (const Pile& pile : kPiles) {
        const QRectF top(pile.centreX - kCardSize.width() / 2.0, kCardsTop, kCardSize.width(), kCardSize.height());
        PaintSoftShadow(p, CardOutline(top.translated(kStackEdges * 0.8, kStackEdges * 0.8)), QPointF(1.0, 1.5), 70);
        for (int edge = kStackEdges; edge >= 1; --edge) {
            PaintCardBack(p, top.translated(edge * 0.8, edge * 0.8), palette::kCardIvory);
        }
        PaintCardFace(p, top, pile.suit, QStringLiteral("K"));
    }
}

void PaintJesterBehindTable(QPainter& p, int frame) {
    // One full sway per loop: centred, right, centred, left.
    const qreal sway = std::sin(2.0 * std::numbers::pi * LoopPhase(frame));
    p.save();
    p.setClipRect(QRectF(0.0, 0.0, kWinFrameSize.width(), kRailTop));
    p.translate(kJesterOrigin);
    p.scale(kJesterScale, kJesterScale);
    PaintJester(p, sway);
    p.restore();
}

void PaintFireworks(QPainter& p, int frame) {
    const std::array<Burst, 4> bursts{{
        {{70.0, 38.0}, 30.0, palette::kMotleyGold, QColor(0xFF, 0x6A, 0x5A), 0, kRailTop, 18},
        {{306.0, 34.0}, 32.0, QColor(0x6F, 0xB6, 0xFF), QColor(0xF0, 0xF4, 0xFF), 3, kRailTop, 18},
        {{128.0, 22.0}, 20.0, QColor(0xFF, 0x5C, 0x6C), palette::kMotleyGoldLight, 6, kRailTop, 14},
        {{252.0, 56.0}, 22.0, QColor(0x7C, 0xF0, 0x9A), palette::kMotleyGoldLight, 8, kRailTop, 14},
    }};
    for (const Burst& burst : bursts) {
        PaintBurst(p, burst, frame, kWinFrameCount);
    }
}

void PaintConfetti(QPainter& p, int frame) {
    const std::array<QColor, 5> colours{{palette::kMotleyRed, palette::kMotleyGold, palette::kMotleyBlue,
                                         QColor(0x7C, 0xE0, 0x8A), QColor(0xFF, 0xF6, 0xE8)}};
    Scatter scatter(42);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kConfetti; ++i) {
        const qreal x0 = scatter.Next() * kWinFrameSize.width();
        const qreal y0 = scatter.Next() * kConfettiFall;
        const qreal phase = scatter.Next();
        const int laps = 1 + (i % 2);
        const qreal t = LoopPhase(frame);
        const qreal y = std::fmod(y0 + laps * kConfettiFall * t, kConfettiFall) - 12.0;
        const qreal x = x0 + 5.0 * std::sin(2.0 * std::numbers::pi * (t + phase));
        const qreal spin = 2.0 * std::numbers::pi * (laps * t + phase);
        p.save();
        p.translate(x, y);
        p.rotate(360.0 * phase);
        p.scale(std::max(0.2, std::abs(std::cos(spin))), 1.0);
        p.setBrush(colours[static_cast<std::size_t>(i) % colours.size()]);
        p.drawRect(QRectF(-1.8, -1.1, 3.6, 2.2));
        p.restore();
    }
}

}  // namespace

void PaintWinFrame(QPainter& p, int frame) {
    PaintSky(p, frame);
    PaintFireworks(p, frame);
    PaintJesterBehindTable(p, frame);
    PaintTable(p);
    PaintFoundations(p);
    // The cup's glint flares twice in a loop.
    PaintTrophy(p, kTrophyBase, kTrophyHeight, std::max(0.0, std::sin(4.0 * std::numbers::pi * LoopPhase(frame))));
    PaintConfetti(p, frame);
}

}  // namespace shell_art
