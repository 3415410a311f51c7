#pragma once

#include <QLabel>

namespace sced {

// A caption on a dark strip: bold, left aligned, cut with an ellipsis.
class CoolCaption : public QLabel {
    Q_OBJECT
public:
    explicit CoolCaption(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sced
