#include "skin/cool_button.h"

#include <QPainter>
#include <qdrawutil.h>

#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

CoolButton::CoolButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAttribute(Qt::WA_Hover);
    setFont(Skin::Instance().dialogBold);
}

void CoolButton::SetText(std::string text) {
    setText(ToQt(text));
    Control::SetText(std::move(text));
}

QSize CoolButton::sizeHint() const {
    QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return {std::max(text.width() + 40, 96), std::max(text.height() + 16, 34)};
}

void CoolButton::paintEvent(QPaintEvent*) {
    const Skin& skin = Skin::Instance();
    ButtonState state = isDown() ? ButtonState::Pressed
                        : !isEnabled() ? ButtonState::Disabled
                        : underMouse() ? ButtonState::Hover
                                       : ButtonState::Normal;
    QPainter painter(this);
    int margin = skin.images.buttonMargin;
    qDrawBorderPixmap(&painter, rect(), QMargins(margin, margin, margin, margin),
                      skin.images.buttonFaces[static_cast<std::size_t>(state)]);
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(skin.buttonText, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5), 2, 2);
    }
    painter.setFont(skin.dialogBold);
    painter.setPen(state == ButtonState::Disabled ? skin.buttonTextDisabled : skin.buttonText);
    QRect area = rect().adjusted(0, 0, 0, -2);
    if (state == ButtonState::Pressed) area.translate(1, 1);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace sced
