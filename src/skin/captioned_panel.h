#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QPainter;

namespace sced {

struct SkinImages;

// Where each image of the panel goes for a rectangle and a caption width.
struct PanelPlaces {
    QRect background;              // tiled with the wood, when filled
    QRect left, right, bottom;     // the frame's edge strips
    std::vector<QRect> top;        // the top edge, beside the plate
    std::array<QPoint, 4> corners;    // top-left, top-right, bottom-left, bottom-right
    std::array<QPoint, 4> ornaments;  // at the rectangle's own corners
    QRect plate;                   // with a caption: ends and tiled middle
    QRect caption;                 // the caption's text is centred here
};

// The frame 5 pixels inside the area (4 at the bottom), the plate as wide
// as the caption + 100 and centred, the caption from 17 to 34 pixels below
// the top; with no caption the top edge runs from corner to corner.
PanelPlaces PlacePanel(const QRect& area, int captionWidth, bool captioned, const SkinImages& images);

// Paints the skin's panel in the rectangle: the wood background (when
// filled), the bronze frame with its corners and ornaments, and, with a
// caption, the caption plate centred at the top with the caption on it.
void PaintCaptionedPanel(QPainter& painter, const QRect& area, const QString& caption, bool fill);

// Tiles the image over the rectangle from its top-left corner, the
// pattern shifted by the offset.
void TileImage(QPainter& painter, const QRect& area, const QPixmap& image, QPoint offset = {});

// The logical size of a skin image.
QSize LogicalSize(const QPixmap& image);

}  // namespace sced
