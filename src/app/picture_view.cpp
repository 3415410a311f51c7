#include "app/picture_view.h"

#include <QPainter>
#include <algorithm>

#include "app/drawing_area.h"

namespace sced {

PictureView::PictureView(QWidget* parent, QSize size) : QWidget(parent) { setFixedSize(size); }

void PictureView::SetImage(QImage image) {
    image_ = std::move(image);
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDrawingArea(painter, rect());
    if (image_.isNull()) return;
    QRect inside = rect().adjusted(2, 2, -2, -2);
    QSize size = image_.size();
    bool larger = size.width() > inside.width() || size.height() > inside.height();
    if (larger) {
        size.scale(inside.size(), Qt::KeepAspectRatio);
    } else {
        // A small picture grows by whole steps, so its pixels stay sharp squares.
        int times = std::max(1, std::min(inside.width() / size.width(), inside.height() / size.height()));
        size *= times;
    }
    QRect target(QPoint(0, 0), size);
    target.moveCenter(inside.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, larger);
    painter.drawImage(target, image_);
}

}  // namespace sced
