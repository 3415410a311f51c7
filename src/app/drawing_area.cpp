#include "app/drawing_area.h"

#include <QPainter>

#include "skin/skin.h"

namespace sced {

void PaintDrawingArea(QPainter& painter, const QRect& area) {
    const Skin& skin = Skin::Instance();
    painter.drawTiledPixmap(area, skin.images.background);
    painter.setPen(QPen(skin.bronzeLight, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

}  // namespace sced
