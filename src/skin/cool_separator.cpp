#include "skin/cool_separator.h"

#include <QPainter>

#include "skin/captioned_panel.h"
#include "skin/skin.h"

namespace sced {

CoolSeparator::CoolSeparator(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize CoolSeparator::sizeHint() const { return {120, LogicalSize(Skin::Instance().images.separator).height()}; }

void CoolSeparator::paintEvent(QPaintEvent*) {
    const SkinImages& images = Skin::Instance().images;
    QPainter painter(this);
    QSize line = LogicalSize(images.separator);
    int top = (height() - line.height()) / 2;
    TileImage(painter, QRect(0, top, width(), line.height()), images.separator);
    QSize boss = LogicalSize(images.separatorBoss);
    painter.drawPixmap(QPoint((width() - boss.width()) / 2, (height() - boss.height()) / 2), images.separatorBoss);
}

}  // namespace sced
