#include "skin/captioned_panel.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/skin.h"

namespace sced {

QSize LogicalSize(const QPixmap& image) { return (QSizeF(image.size()) / image.devicePixelRatio()).toSize(); }

void TileImage(QPainter& painter, const QRect& area, const QPixmap& image, QPoint offset) {
    if (area.width() <= 0 || area.height() <= 0 || image.isNull()) return;
    QSize size = LogicalSize(image);
    QPoint phase(offset.x() % size.width(), offset.y() % size.height());
    painter.drawTiledPixmap(area, image, phase);
}

void PaintCaptionedPanel(QPainter& painter, const QRect& area, const QString& caption, bool fill) {
    const Skin& skin = Skin::Instance();
    const SkinImages& images = skin.images;
    QSize left = LogicalSize(images.edgeLeft), right = LogicalSize(images.edgeRight);
    QSize top = LogicalSize(images.edgeTop), bottom = LogicalSize(images.edgeBottom);
    if (fill)
        TileImage(painter, area.adjusted(left.width() + 5, top.height() + 5, -(right.width() + 5), -(bottom.height() + 4)),
                  images.background);

    // The frame: 5 pixels inside, 4 at the bottom.
    int frameLeft = area.left() + 5;
    int frameTop = area.top() + 5;
    int frameRight = area.left() + area.width() - 5;    // one past the frame
    int frameBottom = area.top() + area.height() - 4;  // one past the frame
    int sidesTop = frameTop + top.height();
    int sidesBottom = frameBottom - bottom.height();
    TileImage(painter, QRect(frameLeft, sidesTop, left.width(), sidesBottom - sidesTop), images.edgeLeft);
    TileImage(painter, QRect(frameRight - right.width(), sidesTop, right.width(), sidesBottom - sidesTop),
              images.edgeRight);
    TileImage(painter,
              QRect(frameLeft + left.width(), sidesBottom, frameRight - right.width() - frameLeft - left.width(),
                    bottom.height()),
              images.edgeBottom);

    // The top edge runs from corner to corner, leaving room for the plate.
    QSize corner = LogicalSize(images.corners[0]);
    int topFrom = frameLeft + corner.width();
    int topTo = frameRight - corner.width();
    int plateWidth = QFontMetrics(skin.dialogBold).horizontalAdvance(caption) + 100;
    int plateLeft = area.left() + (area.width() - plateWidth) / 2;
    int plateRight = plateLeft + plateWidth;
    if (caption.isEmpty()) {
        TileImage(painter, QRect(topFrom, frameTop, topTo - topFrom, top.height()), images.edgeTop);
    } else {
        TileImage(painter, QRect(topFrom, frameTop, plateLeft - topFrom, top.height()), images.edgeTop);
        TileImage(painter, QRect(plateRight, frameTop, topTo - plateRight, top.height()), images.edgeTop);
    }
    const QPoint innerCorners[4] = {{frameLeft, frameTop},
                                    {frameRight - corner.width(), frameTop},
                                    {frameLeft, frameBottom - corner.height()},
                                    {frameRight - corner.width(), frameBottom - corner.height()}};
    for (std::size_t i = 0; i < 4; ++i) painter.drawPixmap(innerCorners[i], images.corners[i]);
    QSize ornament = LogicalSize(images.ornaments[0]);
    const QPoint outerCorners[4] = {area.topLeft(),
                                    {area.left() + area.width() - ornament.width(), area.top()},
                                    {area.left(), area.top() + area.height() - ornament.height()},
                                    {area.left() + area.width() - ornament.width(),
                                     area.top() + area.height() - ornament.height()}};
    for (std::size_t i = 0; i < 4; ++i) painter.drawPixmap(outerCorners[i], images.ornaments[i]);

    if (caption.isEmpty()) return;
    QSize plateEnd = LogicalSize(images.plateLeft), plateEndRight = LogicalSize(images.plateRight);
    painter.drawPixmap(QPoint(plateLeft, area.top()), images.plateLeft);
    painter.drawPixmap(QPoint(plateRight - plateEndRight.width(), area.top()), images.plateRight);
    TileImage(painter,
              QRect(plateLeft + plateEnd.width(), area.top(), plateWidth - plateEnd.width() - plateEndRight.width(),
                    plateEnd.height()),
              images.plateMiddle);
    painter.setFont(skin.dialogBold);
    painter.setPen(skin.caption);
    painter.drawText(QRect(plateLeft, area.top() + 17, plateWidth, 17), Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace sced
