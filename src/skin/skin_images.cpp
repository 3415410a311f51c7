// The skin's images, drawn by code: dark carved wood for the panels,
// bevelled bronze for the frames, plates and buttons. A fixed seed makes
// every start (and every screenshot) draw the same pixels.

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <array>
#include <cstdint>
#include <utility>
#include <numbers>
#include <vector>

#include "skin/skin.h"

namespace sced {

namespace {

// Value noise on a lattice that wraps around, so tiles join seamlessly.
class TileNoise {
public:
    TileNoise(int period, std::uint32_t seed) : period_(period), values_(static_cast<std::size_t>(period * period)) {
        std::uint32_t state = seed;
        for (double& value : values_) {
            state = state * 1664525u + 1013904223u;  // the same numbers on every platform
            value = static_cast<double>(state >> 8) / static_cast<double>(1u << 24);
        }
    }

    // u and v in lattice units; smooth, periodic in both.
    double At(double u, double v) const {
        int x0 = static_cast<int>(std::floor(u));
        int y0 = static_cast<int>(std::floor(v));
        double fx = Smooth(u - x0);
        double fy = Smooth(v - y0);
        double top = Lerp(Value(x0, y0), Value(x0 + 1, y0), fx);
        double bottom = Lerp(Value(x0, y0 + 1), Value(x0 + 1, y0 + 1), fx);
        return Lerp(top, bottom, fy);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const {
        x = ((x % period_) + period_) % period_;
        y = ((y % period_) + period_) % period_;
        return values_[static_cast<std::size_t>(y * period_ + x)];
    }

    int period_;
    std::vector<double> values_;
};

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// An image of the logical size at the pixel ratio, filled per pixel by
// shade(u, v) with u and v from 0 to 1 across it.
template <typename Shade>
QPixmap ShadedImage(int width, int height, qreal ratio, Shade shade) {
    int w = static_cast<int>(std::lround(width * ratio));
    int h = static_cast<int>(std::lround(height * ratio));
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = shade((x + 0.5) / w, (y + 0.5) / h).rgba();
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// A transparent image of the logical size to paint on in logical units.
QPixmap Canvas(int width, int height, qreal ratio) {
    QPixmap pixmap(QSize(static_cast<int>(std::lround(width * ratio)), static_cast<int>(std::lround(height * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Dark wood with a wavy grain running across.
QPixmap WoodTexture(qreal ratio) {
    TileNoise warp(8, 1251u);
    TileNoise fine(32, 77u);
    const QColor dark(30, 15, 7), light(66, 38, 22);
    return ShadedImage(128, 128, ratio, [&](double u, double v) {
        double wave = v * 7 + 0.9 * warp.At(u * 8, v * 8) + 0.25 * warp.At(u * 8 + 3.5, v * 8 + 1.5);
        double grain = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * wave);
        double t = 0.55 * std::pow(grain, 3) + 0.3 * fine.At(u * 32, v * 4) + 0.15 * fine.At(u * 32 + 7, v * 32);
        return Mix(dark, light, t);
    });
}

// The profile of a bronze bar across its width, 0 outside to 1 inside.
QColor BronzeProfile(double across, double grain) {
    const QColor shadow(48, 28, 10), body(132, 90, 44), shine(222, 180, 118);
    double ridge = 1 - std::abs(across - 0.35) / 0.65;
    QColor colour =
        across < 0.12 || across > 0.88 ? shadow : Mix(body, shine, std::pow(std::clamp(ridge, 0.0, 1.0), 2));
    return Mix(colour, shadow, 0.25 * grain);
}

QPixmap BronzeBar(int length, int thickness, bool vertical, bool flip, qreal ratio, std::uint32_t seed) {
    TileNoise grain(16, seed);
    int w = vertical ? thickness : length;
    int h = vertical ? length : thickness;
    return ShadedImage(w, h, ratio, [&](double u, double v) {
        double across = vertical ? u : v;
        double along = vertical ? v : u;
        if (flip) across = 1 - across;
        return BronzeProfile(across, grain.At(along * 16, across * 2));
    });
}

QLinearGradient BronzeGradient(QPointF from, QPointF to) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, QColor(236, 196, 134));
    gradient.setColorAt(0.45, QColor(150, 104, 50));
    gradient.setColorAt(1, QColor(70, 42, 16));
    return gradient;
}

// Fills the shape with bronze, its light coming from the first point.
void FillBronze(QPainter& painter, const QPainterPath& shape, QPointF from, QPointF to) {
    painter.setPen(QPen(QColor(36, 20, 6), 1));
    painter.setBrush(BronzeGradient(from, to));
    painter.drawPath(shape);
}

void Rivet(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient gradient(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    gradient.setColorAt(0, QColor(255, 232, 180));
    gradient.setColorAt(0.5, QColor(170, 122, 60));
    gradient.setColorAt(1, QColor(50, 30, 10));
    painter.setPen(QPen(QColor(30, 16, 6), 0.8));
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

// A bronze boss where two frame bars meet.
QPixmap Corner(qreal ratio) {
    QPixmap pixmap = Canvas(14, 14, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath boss;
    boss.addRoundedRect(QRectF(0.5, 0.5, 13, 13), 2, 2);
    FillBronze(painter, boss, {0, 0}, {14, 14});
    Rivet(painter, {7, 7}, 3);
    return pixmap;
}

// A carved leaf of bronze for the panel's top-left corner; the others are
// its mirror images.
QPixmap Ornament(qreal ratio) {
    QPixmap pixmap = Canvas(30, 30, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath leaf;
    leaf.moveTo(1, 1);
    leaf.lineTo(26, 3);
    leaf.cubicTo(18, 6, 12, 8, 10, 10);
    leaf.cubicTo(8, 12, 6, 18, 3, 26);
    leaf.closeSubpath();
    FillBronze(painter, leaf, {0, 0}, {20, 20});
    QPainterPath curl;
    curl.moveTo(6, 6);
    curl.cubicTo(14, 4, 20, 6, 22, 4);
    curl.moveTo(6, 6);
    curl.cubicTo(4, 14, 6, 20, 4, 22);
    painter.setPen(QPen(QColor(255, 226, 170, 150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curl);
    Rivet(painter, {6, 6}, 3.5);
    return pixmap;
}

// The caption plate: a banner with pointed ends; the middle slice has no
// change across, so it tiles.
struct Plate {
    QPixmap left, middle, right;
};

// A banner with pointed ends across the width, 36 high in the middle of
// the height, shrunk by the inset all round.
QPainterPath Banner(int width, int height, qreal inset) {
    qreal middle = height / 2.0, top = middle - 18 + inset, bottom = middle + 18 - inset;
    qreal tip = 1 + inset, shoulder = 16 + inset * 0.5;
    QPainterPath banner;
    banner.moveTo(tip, middle);
    banner.lineTo(shoulder, top);
    banner.lineTo(width - shoulder, top);
    banner.lineTo(width - tip, middle);
    banner.lineTo(width - shoulder, bottom);
    banner.lineTo(shoulder, bottom);
    banner.closeSubpath();
    return banner;
}

Plate CaptionPlate(qreal ratio) {
    constexpr int kEnd = 40, kMiddle = 32, kHeight = 48;
    constexpr int kWidth = 2 * kEnd + kMiddle;
    QPixmap whole = Canvas(kWidth, kHeight, ratio);
    {
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape = Banner(kWidth, kHeight, 0);
        QLinearGradient fill(0, 6, 0, 42);
        fill.setColorAt(0, QColor(84, 50, 28));
        fill.setColorAt(0.5, QColor(52, 26, 12));
        fill.setColorAt(1, QColor(28, 12, 4));
        painter.setBrush(fill);
        painter.setPen(QPen(BronzeGradient({0, 6}, {0, 42}), 3));
        painter.drawPath(shape);
        QPainterPath inner = Banner(kWidth, kHeight, 6);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(150, 104, 50, 170), 1));
        painter.drawPath(inner);
        Rivet(painter, {8, kHeight / 2.0}, 2.5);
        Rivet(painter, {kWidth - 8, kHeight / 2.0}, 2.5);
    }
    auto slice = [&](int x, int width) {
        QPixmap part = whole.copy(QRect(QPoint(static_cast<int>(std::lround(x * ratio)), 0),
                                        QSize(static_cast<int>(std::lround(width * ratio)), whole.height())));
        part.setDevicePixelRatio(ratio);
        return part;
    };
    return {slice(0, kEnd), slice(kEnd, kMiddle), slice(kEnd + kMiddle, kEnd)};
}

// A bronze button face of one state, drawn as nine patches.
QPixmap ButtonFace(ButtonState state, int size, qreal ratio) {
    // The face's colours at its top and bottom, per state.
    const std::array<std::pair<QColor, QColor>, 4> faces = {{{QColor(230, 192, 132), QColor(164, 116, 60)},
                                                             {QColor(246, 214, 160), QColor(192, 142, 80)},
                                                             {QColor(150, 104, 54), QColor(206, 164, 104)},
                                                             {QColor(138, 128, 114), QColor(104, 96, 86)}}};
    auto [top, bottom] = faces[static_cast<std::size_t>(state)];
    QPixmap pixmap = Canvas(size, size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF outer(0.5, 0.5, size - 1, size - 1);
    painter.setPen(QPen(QColor(24, 12, 4), 1));
    painter.setBrush(QColor(70, 42, 16));
    painter.drawRoundedRect(outer, 5, 5);
    QLinearGradient face(0, 2, 0, size - 2);
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 3.5, 3.5);
    if (state != ButtonState::Pressed) {
        painter.setPen(QPen(QColor(255, 244, 214, state == ButtonState::Disabled ? 60 : 150), 1));
        painter.drawLine(QPointF(5, 3.5), QPointF(size - 5, 3.5));
    }
    return pixmap;
}

// An engraved groove with a bronze line in it.
QPixmap SeparatorLine(qreal ratio) {
    return ShadedImage(64, 14, ratio, [](double, double v) {
        int row = static_cast<int>(v * 14);
        if (row == 6) return QColor(20, 8, 2);
        if (row == 7) return QColor(176, 128, 66);
        if (row == 8) return QColor(92, 60, 26);
        return QColor(0, 0, 0, 0);
    });
}

QPixmap SeparatorBoss(qreal ratio) {
    QPixmap pixmap = Canvas(28, 14, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond;
    diamond.moveTo(1, 7);
    diamond.lineTo(14, 1);
    diamond.lineTo(27, 7);
    diamond.lineTo(14, 13);
    diamond.closeSubpath();
    FillBronze(painter, diamond, {0, 0}, {0, 14});
    Rivet(painter, {14, 7}, 2.5);
    return pixmap;
}

}  // namespace

SkinImages DrawSkinImages(qreal ratio) {
    SkinImages images;
    images.background = WoodTexture(ratio);
    images.edgeLeft = BronzeBar(64, 8, true, false, ratio, 11u);
    images.edgeRight = BronzeBar(64, 8, true, true, ratio, 12u);
    images.edgeTop = BronzeBar(64, 8, false, false, ratio, 13u);
    images.edgeBottom = BronzeBar(64, 8, false, true, ratio, 14u);
    QPixmap corner = Corner(ratio);
    QPixmap ornament = Ornament(ratio);
    const QTransform mirrors[4] = {QTransform(), QTransform::fromScale(-1, 1), QTransform::fromScale(1, -1),
                                   QTransform::fromScale(-1, -1)};
    for (std::size_t i = 0; i < 4; ++i) {
        images.corners[i] = corner;
        images.ornaments[i] = ornament.transformed(mirrors[i]);
        images.ornaments[i].setDevicePixelRatio(ratio);
    }
    Plate plate = CaptionPlate(ratio);
    images.plateLeft = plate.left;
    images.plateMiddle = plate.middle;
    images.plateRight = plate.right;
    images.buttonMargin = 8;
    for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed, ButtonState::Disabled})
        images.buttonFaces[static_cast<std::size_t>(state)] = ButtonFace(state, 24, ratio);
    images.separator = SeparatorLine(ratio);
    images.separatorBoss = SeparatorBoss(ratio);
    return images;
}

}  // namespace sced
