#include "shell/art/art_fireworks.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace shell_art {
namespace {

// A burst's life in frames: two frames of rocket, then the bloom and its fading.
constexpr int kRocketFrames = 2;
constexpr qreal kRocketRise[kRocketFrames] = {0.45, 0.85};
constexpr qreal kDroop = 9.0;
constexpr qreal kTrailStart = 0.55;

QColor WithAlpha(QColor colour, qreal alpha) {
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

void PaintRocket(QPainter& p, const Burst& burst, int age) {
    const qreal rise = kRocketRise[age];
    const QPointF from(burst.centre.x(), burst.launchY);
    const QPointF head = from + (burst.centre - from) * rise;
    const QPointF tail = from + (burst.centre - from) * std::max(0.0, rise - 0.3);
    QLinearGradient trail(tail, head);
    trail.setColorAt(0.0, WithAlpha(burst.outer, 0.0));
    trail.setColorAt(1.0, WithAlpha(burst.outer.lighter(150), 0.9));
    p.setPen(QPen(QBrush(trail), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tail, head);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF8, 0xE0));
    p.drawEllipse(head, 1.6, 1.6);
}

void PaintBloom(QPainter& p, const Burst& burst, qreal age) {
    const qreal spread = 1.0 - std::pow(1.0 - age, 3.0);
    const qreal r = burst.radius * (0.18 + 0.82 * spread);
    const qreal alpha = age < 0.5 ? 1.0 : 1.0 - (age - 0.5) * 1.7;
    const qreal droop = kDroop * age * age;

    // The sky glows around a fresh bloom.
    QRadialGradient glow(burst.centre, r * 1.4);
    glow.setColorAt(0.0, WithAlpha(burst.outer, 0.35 * (1.0 - age)));
    glow.setColorAt(1.0, WithAlpha(burst.outer, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(burst.centre, r * 1.4, r * 1.4);

    for (int i = 0; i < burst.rays; ++i) {
        const qreal angle = 2.0 * std::numbers::pi * i / burst.rays;
        const bool innerRay = i % 2 == 1;
        const qreal reach = innerRay ? r * 0.62 : r;
        const QColor colour = innerRay ? burst.inner : burst.outer;
        const QPointF direction(std::cos(angle), std::sin(angle));
        const QPointF head = burst.centre + direction * reach + QPointF(0.0, droop);
        const QPointF tail = burst.centre + direction * reach * kTrailStart + QPointF(0.0, droop * 0.4);
        QLinearGradient trail(tail, head);
        trail.setColorAt(0.0, WithAlpha(colour, 0.0));
        trail.setColorAt(1.0, WithAlpha(colour, 0.85 * alpha));
        p.setPen(QPen(QBrush(trail), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(colour.lighter(135), alpha));
        p.drawEllipse(head, 1.7, 1.7);
        p.setBrush(WithAlpha(Qt::white, alpha * (1.0 - age)));
        p.drawEllipse(head, 0.7, 0.7);
    }
    // A white flash at the heart of a fresh bloom.
    if (age < 0.2) {
        QRadialGradient flash(burst.centre, r * 0.7);
        flash.setColorAt(0.0, QColor(255, 255, 240, 230));
        flash.setColorAt(1.0, QColor(255, 255, 240, 0));
        p.setBrush(flash);
        p.drawEllipse(burst.centre, r * 0.7, r * 0.7);
    }
}

}  // namespace

void PaintBurst(QPainter& p, const Burst& burst, int frame, int loopFrames) {
    const int age = ((frame - burst.firstFrame) % loopFrames + loopFrames) % loopFrames;
    p.save();
    if (age < kRocketFrames) {
        PaintRocket(p, burst, age);
    } else {
        const int bloomFrames = loopFrames - kRocketFrames;
        PaintBloom(p, burst, (age - kRocketFrames + 0.5) / bloomFrames);
    }
    p.restore();
}

}  // namespace shell_art
