#include "app/alliance_dialog.h"

#include <QBoxLayout>
#include <QMouseEvent>
#include <QPainter>

#include "app/drawing_area.h"
#include "controls/control_table.h"
#include "core/string_table.h"
#include "editing/alliances.h"
#include "skin/cool_button.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

constexpr int kCell = 28;

}  // namespace

// The 8 x 8 grid: row r shows the players of group r in their colours. A
// player dragged onto a row joins that row's players.
class AllianceGrid : public QWidget {
public:
    explicit AllianceGrid(QWidget* parent) : QWidget(parent) {
        setFixedSize(kCell * kAlliancePlayers, kCell * kAlliancePlayers);
    }

    void SetMatrix(const AllianceMatrix& matrix) {
        matrix_ = matrix;
        groups_ = DeriveGroups(matrix_);
        update();
    }
    const AllianceMatrix& matrix() const { return matrix_; }

protected:
    void paintEvent(QPaintEvent*) override {
        const Skin& skin = Skin::Instance();
        QPainter painter(this);
        PaintDrawingArea(painter, rect());
        painter.setFont(skin.dialogBold);
        for (int row = 0; row < kAlliancePlayers; ++row) {
            for (int column = 0; column < kAlliancePlayers; ++column) {
                int player = groups_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                if (player >= 0 && player != dragged_) PaintPlayer(painter, CellRect(row, column), player);
            }
        }
        painter.setPen(QPen(skin.bronzeLight, 1));
        for (int line = 1; line < kAlliancePlayers; ++line) painter.drawLine(0, line * kCell, width(), line * kCell);
        if (dragged_ < 0) return;
        if (target_ >= 0) {
            painter.setPen(QPen(skin.textWhite, 2));
            painter.drawRect(QRect(0, target_ * kCell, width(), kCell).adjusted(1, 1, -1, -1));
        }
        painter.setClipRect(rect());
        PaintPlayer(painter, QRect(dragAt_ - QPoint(kCell / 2, kCell / 2), QSize(kCell, kCell)), dragged_);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        auto [row, column] = CellAt(event->position().toPoint());
        dragged_ = row < 0 ? -1 : groups_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        Follow(event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (dragged_ >= 0) Follow(event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || dragged_ < 0) return;
        Follow(event->position().toPoint());
        int player = dragged_;
        dragged_ = -1;
        if (target_ >= 0) matrix_ = MovePlayer(matrix_, player, target_);
        SetMatrix(matrix_);
    }

private:
    static QRect CellRect(int row, int column) { return {column * kCell, row * kCell, kCell, kCell}; }

    // The row and column under the point; -1, -1 outside the grid.
    static std::pair<int, int> CellAt(QPoint point) {
        int row = point.y() >= 0 ? point.y() / kCell : -1;
        int column = point.x() >= 0 ? point.x() / kCell : -1;
        if (row < 0 || row >= kAlliancePlayers || column < 0 || column >= kAlliancePlayers) return {-1, -1};
        return {row, column};
    }

    void Follow(QPoint point) {
        dragAt_ = point;
        target_ = CellAt(point).first;
        update();
    }

    static void PaintPlayer(QPainter& painter, const QRect& cell, int player) {
        const Skin& skin = Skin::Instance();
        QRect swatch = cell.adjusted(3, 3, -3, -3);
        QColor colour = skin.players[static_cast<std::size_t>(player)];
        painter.fillRect(swatch, colour);
        painter.setPen(QPen(skin.deep, 1));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        // The player's number, light on the dark colours and dark on the light ones.
        painter.setPen(colour.lightness() > 140 ? skin.deep : skin.textWhite);
        painter.drawText(swatch, Qt::AlignCenter, QString::number(player + 1));
    }

    AllianceMatrix matrix_ = TotalWar();
    AllianceGroups groups_ = DeriveGroups(TotalWar());
    int dragged_ = -1;  // the player being dragged
    int target_ = -1;   // the row under it
    QPoint dragAt_;
};

AllianceDialog::AllianceDialog(QWidget* parent) : AppDialog(parent), grid_(new AllianceGrid(this)) {
    auto* war = new CoolButton(ToQt(Lookup("txtTotalWar")), this);
    auto* friendship = new CoolButton(ToQt(Lookup("txtAllFriends")), this);
    connect(war, &QPushButton::clicked, this, [this] { grid_->SetMatrix(TotalWar()); });
    connect(friendship, &QPushButton::clicked, this, [this] { grid_->SetMatrix(TotalFriendship()); });
    auto* side = new QVBoxLayout;
    side->addWidget(war);
    side->addWidget(friendship);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(grid_);
    row->addSpacing(12);
    row->addLayout(side);
    content()->addLayout(row);
    ControlTable::Instance().Register(kFriendsDialog, this);
}

void AllianceDialog::Prepare() {
    if (ControlEvents* events = ControlTable::Instance().events())
        grid_->SetMatrix(AlliancesOf(events->exchange().first, events->exchange().second));
}

void AllianceDialog::accept() {
    if (ControlEvents* events = ControlTable::Instance().events()) {
        auto [first, second] = AllianceValues(grid_->matrix());
        events->exchange().first = first;
        events->exchange().second = second;
    }
    AppDialog::accept();
}

}  // namespace sced
