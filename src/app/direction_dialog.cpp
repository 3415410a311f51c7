#include "app/direction_dialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "app/drawing_area.h"
#include "controls/control_table.h"
#include "editing/direction.h"

namespace sced {

// The arrow on the skin's background, turned about the area's centre.
class DirectionArea : public QWidget {
public:
    explicit DirectionArea(QWidget* parent) : QWidget(parent) {
        setFixedSize(280, 220);
        setFocusPolicy(Qt::StrongFocus);
    }

    float angle = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        // The outline pointing down before it is turned: a shaft 50 wide and
        // 80 long from the centre, then a head 80 wide and 20 long.
        static constexpr QPoint kOutline[] = {{-25, 0}, {25, 0},   {25, 80}, {40, 80},
                                              {0, 100}, {-40, 80}, {-25, 80}};
        QPainter painter(this);
        PaintDrawingArea(painter, rect());
        painter.setPen(QPen(Qt::yellow, 1));
        float c = std::cos(angle), s = std::sin(angle);
        QPointF centre = Centre();
        QPolygon arrow;
        for (QPoint p : kOutline)
            arrow << QPoint(static_cast<int>(std::floor(centre.x() + p.x() * c - p.y() * s)),
                            static_cast<int>(std::floor(centre.y() + p.y() * c + p.x() * s)));
        painter.drawPolygon(arrow);
    }

    void mousePressEvent(QMouseEvent* event) override { TurnTowards(event); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton) TurnTowards(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // Left turns against the clock on the screen, Right with it.
        int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
        if (step == 0) return QWidget::keyPressEvent(event);
        angle = AngleOfDirection((DirectionOfAngle(angle) + step + 256) % 256);
        update();
    }

private:
    QPointF Centre() const { return {width() / 2.0, height() / 2.0}; }

    void TurnTowards(QMouseEvent* event) {
        if (!(event->buttons() & Qt::LeftButton)) return;
        QPointF centre = Centre();
        QPointF at = event->position();
        angle = AngleTowards(static_cast<float>(centre.x()), static_cast<float>(centre.y()),
                             static_cast<float>(at.x()), static_cast<float>(at.y()));
        update();
    }
};

DirectionDialog::DirectionDialog(QWidget* parent) : AppDialog(parent), area_(new DirectionArea(this)) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(area_);
    row->addStretch();
    content()->addLayout(row);
    ControlTable::Instance().Register(kDirectionDialog, this);
}

void DirectionDialog::Prepare() {
    if (ControlEvents* events = ControlTable::Instance().events())
        area_->angle = AngleOfDirection(events->exchange().first);
    area_->update();
    area_->setFocus();
}

void DirectionDialog::accept() {
    if (ControlEvents* events = ControlTable::Instance().events())
        events->exchange().first = DirectionOfAngle(area_->angle);
    AppDialog::accept();
}

}  // namespace sced
