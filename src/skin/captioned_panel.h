#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace sced {

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
