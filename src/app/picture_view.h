#pragma once

#include <QImage>
#include <QWidget>

namespace sced {

// A picture on the drawing area's ground, scaled down to fit (never up)
// and centred; nothing but the ground while it has no picture.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(QWidget* parent, QSize size);
    void SetImage(QImage image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage image_;
};

}  // namespace sced
