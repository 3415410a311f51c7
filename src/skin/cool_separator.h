#pragma once

#include <QWidget>

namespace sced {

// The skin's separator line across the widget.
class CoolSeparator : public QWidget {
    Q_OBJECT
public:
    explicit CoolSeparator(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sced
