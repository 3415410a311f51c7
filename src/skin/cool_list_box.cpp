#include "skin/cool_list_box.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "controls/item_markup.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

class ListItemPainter : public QStyledItemDelegate {
public:
    explicit ListItemPainter(CoolListBox* list) : QStyledItemDelegate(list), list_(list), data_(*list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const Skin& skin = Skin::Instance();
        auto row = static_cast<std::size_t>(index.row());
        if (row >= data_.items().size()) return;
        ListItemMarkup item = ParseListItem(data_.items()[row]);
        painter->save();
        QRect box = option.rect;
        if (option.state & QStyle::State_Selected) {
            painter->fillRect(box, skin.bark);
            painter->setPen(skin.bronzeLight);
            painter->drawRect(box.adjusted(0, 0, -1, -1));
        }
        QRect area = box.adjusted(5, 0, -5, 0);
        int lineFrom = area.left();
        if (data_.swatches()) {
            QRect swatch(area.left() + 10, box.top() + 1, 30, box.height() - 2);
            painter->fillRect(swatch, skin.players[row % skin.players.size()]);
            painter->setPen(skin.deep);
            painter->drawRect(swatch.adjusted(0, 0, -1, -1));
            lineFrom = swatch.right() + 6;
            // Centred as in the normal mode, but clear of the swatch.
            area.adjust(lineFrom - area.left(), 0, area.left() - lineFrom, 0);
        }
        painter->setFont(skin.dialogFont);
        QFontMetrics metrics(skin.dialogFont);
        QString text = metrics.elidedText(ToQt(item.text), Qt::ElideRight, area.width());
        painter->setPen(list_->isEnabled() ? skin.text : skin.textDisabled);
        painter->drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
        if (item.line) {
            // A divider: the line runs on both sides of the text.
            int middle = box.center().y();
            int half = text.isEmpty() ? 0 : metrics.horizontalAdvance(text) / 2 + 6;
            painter->setPen(skin.textWhite);
            painter->drawLine(lineFrom, middle, area.center().x() - half, middle);
            painter->drawLine(area.center().x() + half, middle, area.right(), middle);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {100, QFontMetrics(Skin::Instance().dialogFont).height() + 6};
    }

private:
    const QWidget* list_;
    const ListBox& data_;
};

}  // namespace

CoolListBox::CoolListBox(QWidget* parent) : QListWidget(parent) {
    const Skin& skin = Skin::Instance();
    setFont(skin.dialogFont);
    setItemDelegate(new ListItemPainter(this));
    setUniformItemSizes(true);
    setStyleSheet(QStringLiteral("QListWidget { background: %1; border: 1px solid %2; }")
                      .arg(skin.deep.name(), skin.bronzeDark.name()));
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(items_.size())) selection_ = row;
    });
}

QItemSelectionModel::SelectionFlags CoolListBox::selectionCommand(const QModelIndex& index, const QEvent*) const {
    return index.isValid() && selectionMode() != NoSelection
               ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
               : QItemSelectionModel::NoUpdate;
}

void CoolListBox::Refresh() {
    QSignalBlocker quiet(this);
    setUpdatesEnabled(false);
    if (count() != static_cast<int>(items_.size())) {
        clear();
        for (const std::string& item : items_) addItem(ToQt(item));
    } else {
        for (int row = 0; row < count(); ++row) item(row)->setText(ToQt(items_[static_cast<std::size_t>(row)]));
    }
    setUpdatesEnabled(true);
    // Through the view, so that taking the focus does not make the first
    // item current when none is chosen: OK without a choice chooses nothing.
    setCurrentIndex(model()->index(selection_, 0));
    viewport()->update();
}

}  // namespace sced
