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

namespace {

// A rectangle from its left, top, right and bottom edges (each one past
// the last pixel on the right and bottom).
QRect Span(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }

}  // namespace

PanelPlaces PlacePanel(const QRect& area, int captionWidth, bool captioned, const SkinImages& images) {
    QSize left = LogicalSize(images.edgeLeft), right = LogicalSize(images.edgeRight);
    QSize top = LogicalSize(images.edgeTop), bottom = LogicalSize(images.edgeBottom);
    QSize corner = LogicalSize(images.corners[0]), ornament = LogicalSize(images.ornaments[0]);
    int areaRight = area.left() + area.width();
    int areaBottom = area.top() + area.height();
    PanelPlaces places;
    places.background = Span(area.left() + left.width() + 5, area.top() + top.height() + 5,
                             areaRight - right.width() - 5, areaBottom - bottom.height() - 4);

    int frameLeft = area.left() + 5, frameTop = area.top() + 5;
    int frameRight = areaRight - 5, frameBottom = areaBottom - 4;
    int sidesTop = frameTop + top.height(), sidesBottom = frameBottom - bottom.height();
    places.left = Span(frameLeft, sidesTop, frameLeft + left.width(), sidesBottom);
    places.right = Span(frameRight - right.width(), sidesTop, frameRight, sidesBottom);
    places.bottom = Span(frameLeft + left.width(), sidesBottom, frameRight - right.width(), frameBottom);
    places.corners = {QPoint(frameLeft, frameTop), QPoint(frameRight - corner.width(), frameTop),
                      QPoint(frameLeft, frameBottom - corner.height()),
                      QPoint(frameRight - corner.width(), frameBottom - corner.height())};
    places.ornaments = {area.topLeft(), QPoint(areaRight - ornament.width(), area.top()),
                        QPoint(area.left(), areaBottom - ornament.height()),
                        QPoint(areaRight - ornament.width(), areaBottom - ornament.height())};

    int plateWidth = captionWidth + 100;
    int plateLeft = area.left() + (area.width() - plateWidth) / 2;
    places.plate = QRect(plateLeft, area.top(), plateWidth, LogicalSize(images.plateLeft).height());
    places.caption = Span(plateLeft, area.top() + 17, plateLeft + plateWidth, area.top() + 34);
    int topFrom = frameLeft + corner.width(), topTo = frameRight - corner.width();
    if (captioned) {
        places.top = {Span(topFrom, frameTop, plateLeft, frameTop + top.height()),
                      Span(plateLeft + plateWidth, frameTop, topTo, frameTop + top.height())};
    } else {
        places.top = {Span(topFrom, frameTop, topTo, frameTop + top.height())};
    }
    return places;
}

void PaintCaptionedPanel(QPainter& painter, const QRect& area, const QString& caption, bool fill) {
    const Skin& skin = Skin::Instance();
    const SkinImages& images = skin.images;
    int captionWidth = QFontMetrics(skin.dialogBold).horizontalAdvance(caption);
    PanelPlaces places = PlacePanel(area, captionWidth, !caption.isEmpty(), images);
    if (fill) TileImage(painter, places.background, images.background);
    TileImage(painter, places.left, images.edgeLeft);
    TileImage(painter, places.right, images.edgeRight);
    TileImage(painter, places.bottom, images.edgeBottom);
    for (const QRect& strip : places.top) TileImage(painter, strip, images.edgeTop);
    for (std::size_t i = 0; i < 4; ++i) {
        painter.drawPixmap(places.corners[i], images.corners[i]);
        painter.drawPixmap(places.ornaments[i], images.ornaments[i]);
    }
    if (caption.isEmpty()) return;

    const QRect& plate = places.plate;
    int leftEnd = LogicalSize(images.plateLeft).width(), rightEnd = LogicalSize(images.plateRight).width();
    painter.drawPixmap(plate.topLeft(), images.plateLeft);
    painter.drawPixmap(QPoint(plate.left() + plate.width() - rightEnd, plate.top()), images.plateRight);
    TileImage(painter, QRect(plate.left() + leftEnd, plate.top(), plate.width() - leftEnd - rightEnd, plate.height()),
              images.plateMiddle);
    painter.setFont(skin.dialogBold);
    painter.setPen(skin.caption);
    painter.drawText(places.caption, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace sced
