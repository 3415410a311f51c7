#pragma once

#include <QImage>
#include <QWidget>

namespace sced {

// A picture on the drawing area's ground, centred and scaled to fit: a
// large one down smoothly, a small one up by a whole factor. Nothing but
// the ground while it has no picture.
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
