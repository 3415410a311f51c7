#include "skin/cool_caption.h"

#include <QPainter>

#include "skin/skin.h"

namespace sced {

CoolCaption::CoolCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFont(Skin::Instance().dialogBold);
}

void CoolCaption::paintEvent(QPaintEvent*) {
    const Skin& skin = Skin::Instance();
    QPainter painter(this);
    painter.fillRect(rect(), skin.panel);
    painter.setFont(skin.dialogBold);
    painter.setPen(skin.caption);
    QRect area = rect().adjusted(4, 0, -4, 0);
    QString shown = QFontMetrics(skin.dialogBold).elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

}  // namespace sced
