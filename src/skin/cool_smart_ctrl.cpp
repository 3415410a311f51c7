#include "skin/cool_smart_ctrl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/command_tree.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

// The sentence keeps this much room on every side.
constexpr int kMargin = 20;

}  // namespace

CoolSmartCtrl::CoolSmartCtrl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void CoolSmartCtrl::SetArgumentText(ArgumentText argumentText) {
    argumentText_ = std::move(argumentText);
    Refresh();
}

SentenceLayout CoolSmartCtrl::LayoutAt(int width) const {
    if (!command_) return {};
    QFontMetrics metrics(Skin::Instance().treeFont);
    auto measure = [&metrics](std::string_view text) {
        return TextSize{metrics.horizontalAdvance(ToQt(text)), metrics.height()};
    };
    const TermCommand& command = *command_;
    auto ownText = [&command](int arg) {
        return arg >= 0 && arg < kMaxArgValues ? command.argText[static_cast<std::size_t>(arg)] : std::string();
    };
    return LayoutSentence(command, argumentText_ ? argumentText_ : ArgumentText(ownText),
                          {kMargin, kMargin, width - kMargin}, measure);
}

int CoolSmartCtrl::heightForWidth(int width) const {
    QFontMetrics metrics(Skin::Instance().treeFont);
    return std::max(LayoutAt(width).bottom, kMargin + metrics.height()) + kMargin;
}

QSize CoolSmartCtrl::sizeHint() const { return {400, heightForWidth(400)}; }

void CoolSmartCtrl::Relayout() {
    layout_ = LayoutAt(width());
    int count = static_cast<int>(layout_.placeholders.size());
    if (focused_ >= count) focused_ = count - 1;
    // Grown to the sentence, so no argument is ever cut off.
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

void CoolSmartCtrl::Refresh() {
    // The same command shown again (an argument was given a value) keeps
    // the focused argument; another one starts before its first.
    if (command_ != shown_) focused_ = -1;
    shown_ = command_;
    Relayout();
}

void CoolSmartCtrl::resizeEvent(QResizeEvent*) { Relayout(); }

int CoolSmartCtrl::HitTest(QPoint point) const { return layout_.HitTest(point.x(), point.y()); }

QRect CoolSmartCtrl::ArgumentRect(int placeholder) const {
    if (placeholder < 0 || placeholder >= static_cast<int>(layout_.placeholders.size())) return {};
    const SentenceRect& box = layout_.placeholders[static_cast<std::size_t>(placeholder)];
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

void CoolSmartCtrl::paintEvent(QPaintEvent*) {
    const Skin& skin = Skin::Instance();
    QPainter painter(this);
    // A dark inset holds the sentence, so it reads as one control.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(skin.bronzeDark, 1));
    painter.setBrush(QColor(skin.deep.red(), skin.deep.green(), skin.deep.blue(), 200));
    painter.drawRoundedRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5), 4, 4);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(skin.treeFont);
    QFontMetrics metrics(skin.treeFont);
    for (const SentencePiece& piece : layout_.pieces) {
        QColor colour = piece.colour == SentenceColour::Plain    ? skin.text
                        : piece.colour == SentenceColour::Filled ? skin.argumentFilled
                                                                 : skin.argumentUnfilled;
        painter.setPen(colour);
        painter.drawText(QPoint(piece.x, piece.y + metrics.ascent()), ToQt(piece.text));
    }
    // Each argument underlined: solid once it has a value, dotted before.
    for (std::size_t k = 0; k < layout_.placeholders.size(); ++k) {
        const SentenceRect& box = layout_.placeholders[k];
        bool filled = command_ && command_->IsFilled(static_cast<int>(k));
        painter.setPen(QPen(skin.bronzeLight, 1, filled ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(box.left, box.bottom - 1, box.right - 1, box.bottom - 1);
    }
    if (hasFocus() && focused_ >= 0) {
        const SentenceRect& box = layout_.placeholders[static_cast<std::size_t>(focused_)];
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(skin.textWhite, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(box.left - 2.5, box.top - 1.5, box.right - box.left + 5, box.bottom - box.top + 3), 3, 3);
    }
}

void CoolSmartCtrl::mousePressEvent(QMouseEvent* event) {
    int hit = HitTest(event->position().toPoint());
    if (hit < 0 || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    focused_ = hit;
    update();
    emit ArgumentActivated(hit);
}

void CoolSmartCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (HitTest(event->position().toPoint()) >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void CoolSmartCtrl::keyPressEvent(QKeyEvent* event) {
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focused_ >= 0) {
        emit ArgumentActivated(focused_);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CoolSmartCtrl::focusNextPrevChild(bool next) {
    int count = static_cast<int>(layout_.placeholders.size());
    int target = focused_ + (next ? 1 : -1);
    if (hasFocus() && target >= 0 && target < count) {
        focused_ = target;
        update();
        return true;
    }
    // Past the last (or before the first) argument: on to the next control.
    return QWidget::focusNextPrevChild(next);
}

void CoolSmartCtrl::focusInEvent(QFocusEvent* event) {
    int count = static_cast<int>(layout_.placeholders.size());
    // Tab enters at the first argument and Shift+Tab at the last; coming
    // back from an argument's dialog (or a click) keeps the argument the
    // designer was at.
    if (event->reason() == Qt::TabFocusReason || (focused_ < 0 && event->reason() != Qt::BacktabFocusReason))
        focused_ = count > 0 ? 0 : -1;
    else if (event->reason() == Qt::BacktabFocusReason)
        focused_ = count - 1;
    QWidget::focusInEvent(event);
    update();
}

}  // namespace sced
