#include "app/formation_dialog.h"

#include <QBoxLayout>
#include <QPainter>

#include "app/drawing_area.h"
#include "controls/control_table.h"
#include "declarations/unit_lists.h"
#include "editing/formation_preview.h"
#include "skin/cool_list_box.h"

namespace sced {

// The selected formation's grid, centred: a yellow cross for each soldier,
// a red one for the commander; other places stay empty.
class FormationPreview : public QWidget {
public:
    FormationPreview(QWidget* parent, CoolListBox& list) : QWidget(parent), list_(list) {
        setFixedSize(330, 212);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintDrawingArea(painter, rect());
        ControlEvents* events = ControlTable::Instance().events();
        const Formation* formation = events ? events->FormationAt(list_.GetSelection()) : nullptr;
        if (!formation) return;
        for (const FormationMark& mark : FormationMarks(*formation, width(), height())) {
            painter.setPen(QPen(mark.commander ? Qt::red : Qt::yellow, 1));
            int gap = mark.size / 5;  // neighbouring crosses stay apart
            QRect box = QRect(mark.x, mark.y, mark.size, mark.size).adjusted(gap, gap, -gap - 1, -gap - 1);
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        }
    }

private:
    CoolListBox& list_;
};

FormationDialog::FormationDialog(QWidget* parent)
    : AppDialog(parent), list_(new CoolListBox(this)), preview_(new FormationPreview(this, *list_)) {
    list_->setFixedWidth(160);
    auto* row = new QHBoxLayout;
    row->addWidget(list_);
    row->addWidget(preview_);
    content()->addLayout(row);
    ControlTable& table = ControlTable::Instance();
    table.Register(kFormationList, list_);
    table.Register(kFormationDialog, this);
    connect(list_, &QListWidget::currentRowChanged, preview_, qOverload<>(&QWidget::update));
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void FormationDialog::Prepare() {
    preview_->update();
    list_->setFocus();
}

}  // namespace sced
