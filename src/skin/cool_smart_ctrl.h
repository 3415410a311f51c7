#pragma once

#include <QWidget>

#include "controls/control.h"
#include "controls/sentence_layout.h"

namespace sced {

// The sentence of a command, every argument a word that can be clicked.
// The widget is as tall as its sentence needs at its width, the pointer is
// a hand over an argument, and Tab / Shift+Tab move a focus among the
// arguments that Enter opens.
class CoolSmartCtrl : public QWidget, public SmartCtrl {
    Q_OBJECT
public:
    explicit CoolSmartCtrl(QWidget* parent = nullptr);

    // Where an argument's text comes from (the scenario's groups and lists).
    // Without one the command's own argument texts are shown.
    void SetArgumentText(ArgumentText argumentText);

    // The placeholder under the point of the widget; -1 when none.
    int HitTest(QPoint point) const;
    // Where the placeholder's argument text is drawn; empty when it is not.
    QRect ArgumentRect(int placeholder) const;
    int focusedArgument() const { return focused_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

signals:
    // The designer clicked the argument or opened it with Enter.
    void ArgumentActivated(int placeholder);

protected:
    void Refresh() override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    SentenceLayout LayoutAt(int width) const;
    void Relayout();

    ArgumentText argumentText_;
    SentenceLayout layout_;
    int focused_ = -1;
    const TermCommand* shown_ = nullptr;  // whose arguments focused_ counts
};

}  // namespace sced
