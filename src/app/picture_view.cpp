#include "app/picture_view.h"

#include <QPainter>

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
    if (size.width() > inside.width() || size.height() > inside.height())
        size.scale(inside.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(inside.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}

}  // namespace sced
