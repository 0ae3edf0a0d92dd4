#include "shell/art/jester_figure.h"

#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"
#include "shell/art/shell_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

namespace shell_art {
namespace {

constexpr qreal kFigureCentreX = 34.0;
const QPointF kHeadCentre(kFigureCentreX, 43.0);
const QPointF kNeckPivot(kFigureCentreX, 58.0);
const QPointF kLeanPivot(kFigureCentreX, 97.0);
constexpr qreal kHeadTiltDegrees = 6.0;
constexpr qreal kBodyLeanDegrees = 2.5;
constexpr qreal kBellSwingDegrees = 14.0;
constexpr qreal kPompomRadius = 2.0;

QPointF Lerp(QPointF a, QPointF b, qreal t) { return a + (b - a) * t; }

// ---- The face ----

void PaintFace(QPainter& p, qreal sway) {
    constexpr qreal r = kJesterHeadRadius;
    QRadialGradient skin(QPointF(-3.0, -3.0), r * 1.4);
    skin.setColorAt(0.0, palette::kSkin.lighter(104));
    skin.setColorAt(0.75, palette::kSkin);
    skin.setColorAt(1.0, palette::kSkinShade);
    p.setPen(InkPen());
    p.setBrush(skin);
    p.drawEllipse(QPointF(0.0, 0.0), r, r);

    // Rosy cheeks first, so the eyes and mouth sit on top.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kCheek);
    p.drawEllipse(QPointF(-7.6, 4.2), 2.9, 2.0);
    p.drawEllipse(QPointF(7.6, 4.2), 2.9, 2.0);

    // Eyes follow the waving hand.
    const qreal look = sway * 0.7;
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(side * 4.6, -0.2);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::kInk);
        p.drawEllipse(eye + QPointF(look, 0.0), 1.6, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(look + 0.55, -0.8), 0.6, 0.6);
        p.setPen(InkPen(0.8));
        p.setBrush(Qt::NoBrush);
        QPainterPath brow;
        brow.moveTo(eye + QPointF(-2.0, -3.3));
        brow.quadTo(eye + QPointF(0.0, -5.0), eye + QPointF(2.0, -3.4));
        p.drawPath(brow);
    }

    // A button nose and a wide open smile.
    p.setPen(InkPen(0.6));
    p.setBrush(QColor(0xEE, 0x86, 0x72));
    p.drawEllipse(QPointF(0.0, 3.0), 1.8, 1.6);

    QPainterPath mouth;
    mouth.moveTo(-5.2, 5.8);
    mouth.quadTo(0.0, 7.6, 5.2, 5.8);
    mouth.quadTo(0.0, 13.0, -5.2, 5.8);
    mouth.closeSubpath();
    p.setPen(InkPen(0.8));
    p.setBrush(QColor(0x8E, 0x24, 0x2A));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0x72, 0x76));
    p.drawEllipse(QPointF(0.0, 10.2), 2.8, 1.8);
    p.restore();
}

// ---- The body ----

struct ArmPose {
    QPointF shoulder;
    QPointF elbow;
    QPointF hand;
};

// Key poses of the left arm; the right arm mirrors them.
constexpr std::array<QPointF, 3> kLeftElbowKeys{{{13.0, 80.0}, {9.0, 73.0}, {8.0, 61.0}}};
constexpr std::array<QPointF, 3> kLeftHandKeys{{{15.5, 91.0}, {6.0, 62.0}, {12.5, 47.5}}};
const QPointF kLeftShoulder(19.0, 68.0);

QPointF KeyAt(const std::array<QPointF, 3>& keys, qreal raise) {
    return raise <= 0.5 ? Lerp(keys[0], keys[1], raise * 2.0) : Lerp(keys[1], keys[2], (raise - 0.5) * 2.0);
}

ArmPose ArmFor(qreal raise, bool rightSide) {
    ArmPose pose{kLeftShoulder, KeyAt(kLeftElbowKeys, raise), KeyAt(kLeftHandKeys, raise)};
    if (rightSide) {
        for (QPointF* point : {&pose.shoulder, &pose.elbow, &pose.hand}) {
            point->setX(2.0 * kFigureCentreX - point->x());
        }
    }
    return pose;
}

void PaintArm(QPainter& p, const ArmPose& arm, const QColor& sleeve, qreal raise) {
    QPainterPath limb;
    limb.moveTo(arm.shoulder);
    limb.quadTo(arm.elbow, Lerp(arm.elbow, arm.hand, 0.78));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kInk, 9.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(limb);
    p.setPen(QPen(sleeve, 7.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(limb);

    // A gold cuff and a white glove.
    const QPointF cuff = Lerp(arm.elbow, arm.hand, 0.74);
    p.setPen(InkPen(0.8));
    p.setBrush(palette::kMotleyGold);
    p.drawEllipse(cuff, 4.2, 4.2);
    p.setBrush(palette::kGlove);
    p.drawEllipse(arm.hand, 3.4, 3.4);

    // A waving hand leaves two little swish marks above it, on the outer side.
    if (raise > 0.9) {
        const bool leftHand = arm.hand.x() < kFigureCentreX;
        const qreal startDegrees = leftHand ? 105.0 : 25.0;
        constexpr qreal kSpanDegrees = 50.0;
        p.setPen(InkPen(0.8));
        p.setBrush(Qt::NoBrush);
        for (const qreal radius : {6.0, 8.4}) {
            const QRectF ring(arm.hand - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
            QPainterPath swish;
            swish.arcMoveTo(ring, startDegrees);
            swish.arcTo(ring, startDegrees, kSpanDegrees);
            p.drawPath(swish);
        }
    }
}

void PaintTorso(QPainter& p) {
    QPainterPath torso;
    torso.moveTo(13.0, 76.0);
    torso.cubicTo(13.0, 66.0, 18.0, 62.0, 26.0, 61.0);
    torso.lineTo(42.0, 61.0);
    torso.cubicTo(50.0, 62.0, 55.0, 66.0, 55.0, 76.0);
    torso.lineTo(53.0, 99.0);
    torso.lineTo(15.0, 99.0);
    torso.closeSubpath();

    p.save();
    p.setClipPath(torso);
    p.fillRect(QRectF(0.0, 55.0, kFigureCentreX, 45.0), palette::kMotleyRed);
    p.fillRect(QRectF(kFigureCentreX, 55.0, kFigureCentreX, 45.0), palette::kMotleyBlue);
    // A soft shade down the outer edges gives the tunic some roundness.
    QLinearGradient roundness(QPointF(13.0, 0.0), QPointF(55.0, 0.0));
    roundness.setColorAt(0.0, QColor(0, 0, 0, 60));
    roundness.setColorAt(0.25, QColor(0, 0, 0, 0));
    roundness.setColorAt(0.75, QColor(0, 0, 0, 0));
    roundness.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.fillRect(torso.boundingRect(), roundness);
    // A gold belt low on the tunic.
    p.fillRect(QRectF(0.0, 88.0, 68.0, 4.0), palette::kMotleyGold);
    p.setPen(InkPen(0.8));
    p.drawLine(QPointF(0.0, 88.0), QPointF(68.0, 88.0));
    p.drawLine(QPointF(0.0, 92.0), QPointF(68.0, 92.0));
    p.restore();

    p.setPen(InkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(torso);
    p.drawLine(QPointF(kFigureCentreX, 62.0), QPointF(kFigureCentreX, 88.0));

    // The belt's buckle sits on the seam.
    p.setPen(InkPen(0.6));
    p.setBrush(palette::kMotleyGold);
    p.drawRoundedRect(QRectF(kFigureCentreX - 2.6, 87.4, 5.2, 5.2), 1.0, 1.0);
}

// The ruff: five broad petals round the neck, their sides bulging so that they meet
// in shallow notches and read as one collar even at the pictures' small size.
void PaintCollar(QPainter& p) {
    const QPointF centre(kFigureCentreX, 59.5);
    const QSizeF ring(12.0, 4.5);
    const QSizeF tipRadii(23.0, 17.5);
    constexpr int kPetals = 5;
    constexpr qreal kFirstAngle = 18.0;
    constexpr qreal kAngleStep = 36.0;
    constexpr qreal kHalfWidth = 18.0;
    constexpr qreal kBulge = 0.32;
    // Red petals lie on the blue half and the blue petal on the red half, gold between.
    const std::array<QColor, kPetals> colours{{palette::kMotleyGold, palette::kMotleyRed, palette::kMotleyGold,
                                               palette::kMotleyBlue, palette::kMotleyGold}};

    auto onEllipse = [&](qreal degrees, QSizeF radii) {
        const qreal a = qDegreesToRadians(degrees);
        return centre + QPointF(radii.width() * std::cos(a), radii.height() * std::sin(a));
    };

    // Outer petals first so the middle one overlaps them.
    constexpr std::array<int, kPetals> kOrder{{0, 4, 1, 3, 2}};
    std::array<QPointF, kPetals> tips{};
    for (const int i : kOrder) {
        const auto index = static_cast<std::size_t>(i);
        const qreal angle = kFirstAngle + kAngleStep * i;
        const QPointF tip = onEllipse(angle, tipRadii);
        const QPointF from = onEllipse(angle - kHalfWidth, ring);
        const QPointF to = onEllipse(angle + kHalfWidth, ring);
        const QPointF fromOut = onEllipse(angle - kHalfWidth, tipRadii);
        const QPointF toOut = onEllipse(angle + kHalfWidth, tipRadii);
        QPainterPath petal;
        petal.moveTo(from);
        petal.quadTo(Lerp(Lerp(from, tip, 0.5), fromOut, kBulge), tip);
        petal.quadTo(Lerp(Lerp(to, tip, 0.5), toOut, kBulge), to);
        petal.quadTo(centre + QPointF(0.0, ring.height() * 1.6), from);
        petal.closeSubpath();
        p.setPen(InkPen());
        p.setBrush(colours[index]);
        p.drawPath(petal);
        tips[index] = tip;
    }
    p.setPen(InkPen(0.7));
    for (const QPointF& tip : tips) {
        QRadialGradient pompom(tip + QPointF(-0.6, -0.6), kPompomRadius * 1.5);
        pompom.setColorAt(0.0, palette::kMotleyGoldLight);
        pompom.setColorAt(1.0, palette::kMotleyGold);
        p.setBrush(pompom);
        p.drawEllipse(tip, kPompomRadius, kPompomRadius);
    }
}

}  // namespace

void PaintJester(QPainter& p, qreal sway) {
    sway = std::clamp(sway, -1.0, 1.0);
    const qreal leftRaise = 0.5 - 0.5 * sway;
    const qreal rightRaise = 0.5 + 0.5 * sway;

    p.save();
    p.translate(kLeanPivot);
    p.rotate(sway * kBodyLeanDegrees);
    p.translate(-kLeanPivot);

    PaintTorso(p);
    PaintArm(p, ArmFor(leftRaise, false), palette::kMotleyBlue, leftRaise);
    PaintArm(p, ArmFor(rightRaise, true), palette::kMotleyRed, rightRaise);
    PaintCollar(p);

    // The head tilts away from the waving arm, and the bells lag behind.
    p.translate(kNeckPivot);
    p.rotate(-sway * kHeadTiltDegrees);
    p.translate(kHeadCentre - kNeckPivot);
    PaintFace(p, sway);
    PaintJesterHat(p, sway * kBellSwingDegrees, false);
    p.restore();
}

void PaintJesterPicture(QPainter& p, int pose) {
    const QRectF box(QPointF(0.0, 0.0), QSizeF(kJesterSize));
    p.fillRect(box, palette::kParchment);
    // A soft light behind the head; it fades out well before the corners, which
    // must keep the plain window colour.
    QRadialGradient glow(kHeadCentre, 34.0);
    glow.setColorAt(0.0, palette::kParchmentLight);
    glow.setColorAt(1.0, QColor(palette::kParchmentLight.red(), palette::kParchmentLight.green(),
                                palette::kParchmentLight.blue(), 0));
    p.fillRect(box, glow);

    const qreal sway = pose == 1 ? 1.0 : (pose == 3 ? -1.0 : 0.0);
    PaintJester(p, sway);
}

}  // namespace shell_art
