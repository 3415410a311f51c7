#include "app/formation_dialog.h"

#include <QBoxLayout>
#include <QPainter>
#include <algorithm>

#include "app/drawing_area.h"
#include "controls/control_table.h"
#include "declarations/unit_lists.h"
#include "skin/cool_list_box.h"

namespace sced {

namespace {
constexpr int kLargestCell = 20;
}  // namespace

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
        if (!formation || formation->rows <= 0 || formation->columns <= 0) return;
        QRect area = rect().adjusted(10, 10, -10, -10);
        // Cells large enough to tell the crosses apart, smaller when a large
        // order would not fit.
        int cell = std::min({kLargestCell, area.width() / formation->columns, area.height() / formation->rows});
        cell = std::max(cell, 2);
        QPoint origin = area.center() - QPoint(cell * formation->columns, cell * formation->rows) / 2;
        for (int row = 0; row < formation->rows; ++row)
            for (int column = 0; column < formation->columns; ++column) {
                std::uint8_t code = formation->Cell(row, column);
                if (code != CellStar && code != CellCommander) continue;
                painter.setPen(QPen(code == CellStar ? Qt::yellow : Qt::red, 1));
                int gap = cell / 5;  // neighbouring crosses stay apart
                QRect box = QRect(origin + QPoint(column * cell, row * cell), QSize(cell, cell))
                                .adjusted(gap, gap, -gap - 1, -gap - 1);
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
