#include "skin/cool_tree_ctrl.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "controls/item_markup.h"
#include "skin/qt_text.h"
#include "skin/skin.h"
#include "skin/tree_model.h"

namespace sced {

namespace {

class TreeItemPainter : public QStyledItemDelegate {
public:
    TreeItemPainter(const TreeModel& model, const CoolTreeCtrl& tree)
        : QStyledItemDelegate(const_cast<CoolTreeCtrl*>(&tree)), model_(model), tree_(tree) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const Skin& skin = Skin::Instance();
        const TreeNode* node = model_.NodeOf(index);
        if (!node) return;
        TreeItemMarkup item = ParseTreeItem(node->text);
        painter->save();
        const QFont& font = item.bold ? skin.treeBold : skin.treeFont;
        QFontMetrics metrics(font);
        QString text = ToQt(item.text);
        QRect area = option.rect.adjusted(3, 0, -2, 0);
        QString shown = metrics.elidedText(text, Qt::ElideRight, area.width());
        bool marked = tree_.IsMarked(model_.PathOf(index));
        if (marked && !(option.state & QStyle::State_Selected)) {
            // A found item: a bronze plate under its text.
            painter->fillRect(QRect(area.left() - 3, option.rect.top() + 1, metrics.horizontalAdvance(shown) + 6,
                                    option.rect.height() - 2),
                              skin.bronze);
        }
        if (model_.PathOf(index) == tree_.dropTarget()) {
            // Where a dragged item would go.
            painter->setPen(skin.bronzeLight);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        if (option.state & QStyle::State_Selected) {
            QRect mark(area.left() - 3, option.rect.top(), metrics.horizontalAdvance(shown) + 6, option.rect.height());
            painter->fillRect(mark, skin.bark);
            painter->setPen(skin.bronzeLight);
            painter->drawRect(mark.adjusted(0, 0, -1, -1));
        }
        painter->setFont(font);
        painter->setPen(marked ? skin.textWhite
                        : item.colour == TreeItemColour::Warning ? skin.textWarning
                        : item.colour == TreeItemColour::White ? skin.textWhite
                                                               : skin.text);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {100, QFontMetrics(Skin::Instance().treeBold).height() + 5};
    }

private:
    const TreeModel& model_;
    const CoolTreeCtrl& tree_;
};

}  // namespace

CoolTreeCtrl::CoolTreeCtrl(QWidget* parent) : QTreeView(parent), model_(new TreeModel(tree_, this)) {
    const Skin& skin = Skin::Instance();
    setModel(model_);
    setItemDelegate(new TreeItemPainter(*model_, *this));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setIndentation(16);
    setFont(skin.treeFont);
    // The delegate marks the selected item; nothing else is highlighted.
    setStyleSheet(QStringLiteral("QTreeView { background: %1; border: 1px solid %2; show-decoration-selected: 0;"
                                 " selection-background-color: transparent; }"
                                 "QTreeView::branch { background: transparent; }")
                      .arg(skin.deep.name(), skin.bronzeDark.name()));
    // Ctrl+click and Shift+click select several items.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { FollowView(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { FollowView(); });
    connect(this, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { emit ItemDoubleClicked(model_->PathOf(index)); });
    // The selection is never hidden: collapsing an item above it selects the
    // item, so that what the commands act on is what the designer sees.
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& collapsed) {
        for (QModelIndex above = currentIndex().parent(); above.isValid(); above = above.parent())
            if (above == collapsed) {
                selectionModel()->setCurrentIndex(collapsed, QItemSelectionModel::ClearAndSelect);
                return;
            }
    });
}

// The model reads the data half's tree, which goes before the view does.
CoolTreeCtrl::~CoolTreeCtrl() { setModel(nullptr); }

void CoolTreeCtrl::keyboardSearch(const QString&) {}

namespace {
bool IsNavigation(const QKeyEvent& key) {
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: return true;
        default: return false;
    }
}
}  // namespace

bool CoolTreeCtrl::event(QEvent* event) {
    // A key the tree does not take must not hide a shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride && !IsNavigation(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QTreeView::event(event);
}

void CoolTreeCtrl::keyPressEvent(QKeyEvent* event) {
    if (IsNavigation(*event))
        QTreeView::keyPressEvent(event);
    else
        event->ignore();
}

void CoolTreeCtrl::Refresh() {
    // A rebuild (a rename, a dump, a map read again) keeps the tree's shape,
    // so every node the designer opened is opened again by its rows.
    std::vector<std::vector<int>> expanded;
    std::vector<int> rows;
    auto note = [&](auto& self, const QModelIndex& parent) -> void {
        for (int row = 0; row < model_->rowCount(parent); ++row) {
            const QModelIndex index = model_->index(row, 0, parent);
            if (!isExpanded(index)) continue;
            rows.push_back(row);
            expanded.push_back(rows);
            self(self, index);
            rows.pop_back();
        }
    };
    note(note, {});
    model_->Reset();
    for (const std::vector<int>& path : expanded) {
        QModelIndex index;
        for (int row : path) index = model_->index(row, 0, index);
        if (index.isValid()) setExpanded(index, true);
    }
    ApplyFilter();
    ShowSelection();
}

void CoolTreeCtrl::ShowOnly(const std::vector<int>* triggers) {
    if (!triggers && !filtered_) return;
    filtered_ = triggers != nullptr;
    shownOnly_ = triggers ? *triggers : std::vector<int>();
    ApplyFilter();
    if (QModelIndex current = currentIndex(); current.isValid()) scrollTo(current);
}

void CoolTreeCtrl::ApplyFilter() {
    const int selectedRow = selected_[0];
    auto wanted = shownOnly_.begin();
    for (int row = 0, rows = model_->rowCount(); row < rows; ++row) {
        while (wanted != shownOnly_.end() && *wanted < row) ++wanted;
        bool hide = filtered_ && row != selectedRow && (wanted == shownOnly_.end() || *wanted != row);
        if (isRowHidden(row, {}) != hide) setRowHidden(row, {}, hide);
    }
}

void CoolTreeCtrl::Mark(std::vector<TreePath> paths) {
    std::sort(paths.begin(), paths.end());
    if (paths == marked_) return;
    marked_ = std::move(paths);
    viewport()->update();
}

bool CoolTreeCtrl::IsMarked(const TreePath& path) const {
    return std::binary_search(marked_.begin(), marked_.end(), path);
}

void CoolTreeCtrl::SpliceTree(TreeSplice splice) {
    int size = static_cast<int>(tree_.size());
    int position = std::clamp(splice.position, 0, size);
    int kept = std::min({std::max(splice.removed, 0), size - position, static_cast<int>(splice.inserted.size())});
    replaced_.assign(tree_.begin() + position, tree_.begin() + position + kept);
    TreeCtrl::SpliceTree(std::move(splice));
    replaced_.clear();
}

void CoolTreeCtrl::Spliced(const TreeSplice& splice) {
    int first = splice.position;
    int count = static_cast<int>(replaced_.size());
    std::vector<bool> wasExpanded;
    for (int i = 0; i < count; ++i) wasExpanded.push_back(isExpanded(model_->index(first + i, 0)));
    model_->Spliced(splice);
    ApplyFilter();
    // A trigger moved among the replaced places (a move up or down) keeps
    // its expanded state.
    std::vector<bool> placed(replaced_.size());
    for (int i = 0; i < count; ++i) {
        const TreeNode& now = tree_[static_cast<std::size_t>(first + i)];
        for (std::size_t j = 0; j < replaced_.size(); ++j) {
            if (placed[j] || replaced_[j] != now) continue;
            placed[j] = true;
            setExpanded(model_->index(first + i, 0), wasExpanded[j]);
            break;
        }
    }
    ShowSelection();
}

void CoolTreeCtrl::Relabelled(const std::vector<TreeRelabel>& texts) { model_->Relabelled(texts); }

void CoolTreeCtrl::FollowView() {
    if (showing_) return;
    std::vector<TreePath> chosen;
    const QModelIndex current = currentIndex();
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    // The current item leads, unless a Ctrl+click just took it out of the selection.
    if (current.isValid() && (rows.isEmpty() || selectionModel()->isSelected(current)))
        chosen.push_back(model_->PathOf(current));
    for (const QModelIndex& row : rows)
        if (row != current) chosen.push_back(model_->PathOf(row));
    selected_ = chosen.empty() ? kNoTreePath : chosen.front();
    also_.assign(chosen.begin() + (chosen.empty() ? 0 : 1), chosen.end());
    emit SelectionChanged(selected_);
}

void CoolTreeCtrl::ShowSelection() {
    // The selected trigger shows whatever the filter says.
    if (filtered_ && selected_[0] >= 0 && selected_[0] < model_->rowCount() && isRowHidden(selected_[0], {}))
        setRowHidden(selected_[0], {}, false);
    showing_ = true;
    QModelIndex index = model_->IndexOf(selected_);
    if (index.isValid()) {
        // Not the view's setCurrentIndex: it reads the keys held, and the
        // Ctrl of Ctrl+Z would toggle the item instead of selecting it.
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        for (const TreePath& path : also_)
            if (QModelIndex other = model_->IndexOf(path); other.isValid())
                selectionModel()->select(other, QItemSelectionModel::Select);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    showing_ = false;
    viewport()->update();
}

void CoolTreeCtrl::Expand(const TreePath& path) { setExpanded(model_->IndexOf(path), true); }

void CoolTreeCtrl::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    if (!model_->hasChildren(index)) return;
    const Skin& skin = Skin::Instance();
    int size = 9;
    QRect box(rect.right() - indentation() + (indentation() - size) / 2 + 1, rect.center().y() - size / 2, size, size);
    painter->save();
    painter->setPen(skin.bronzeLight);
    painter->setBrush(skin.panel);
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    int middle = box.top() + size / 2;
    painter->drawLine(box.left() + 2, middle, box.right() - 2, middle);
    if (!isExpanded(index))
        painter->drawLine(box.left() + size / 2, box.top() + 2, box.left() + size / 2, box.bottom() - 2);
    painter->restore();
}

namespace {
// A drag of this tree carries the dragged path; others are not taken.
constexpr const char* kDragFormat = "application/x-sced-tree-path";
}  // namespace

void CoolTreeCtrl::SetDropRule(std::function<bool(const TreePath&, const TreePath&)> accepts) {
    accepts_ = std::move(accepts);
    setDragEnabled(bool(accepts_));
    setAcceptDrops(bool(accepts_));
    setDropIndicatorShown(false);  // the delegate marks the target
    setAutoExpandDelay(700);       // a collapsed item held under a drag opens
    setAutoScroll(true);           // and the edges scroll
}

TreePath CoolTreeCtrl::PathAt(const QPoint& point) const {
    QModelIndex index = indexAt(point);
    return index.isValid() ? model_->PathOf(index) : kNoTreePath;
}

bool CoolTreeCtrl::Drop(const TreePath& from, const TreePath& to) {
    if (!accepts_ || from[0] < 0 || to[0] < 0 || !accepts_(from, to)) return false;
    emit Dropped(from, to);
    return true;
}

void CoolTreeCtrl::startDrag(Qt::DropActions) {
    QModelIndex index = currentIndex();
    if (!index.isValid() || !accepts_) return;
    dragged_ = model_->PathOf(index);
    auto* data = new QMimeData;
    data->setData(kDragFormat, QByteArray());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
    dragged_ = kNoTreePath;
    dropTarget_ = kNoTreePath;
    viewport()->update();
}

void CoolTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this || dragged_[0] < 0 || !event->mimeData()->hasFormat(kDragFormat)) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    event->accept();
}

void CoolTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    // The view scrolls at the edges and opens what is held under the mouse.
    QTreeView::dragMoveEvent(event);
    TreePath to = PathAt(event->position().toPoint());
    bool taken = event->source() == this && dragged_[0] >= 0 && to[0] >= 0 && accepts_ && accepts_(dragged_, to);
    TreePath target = taken ? to : kNoTreePath;
    if (target != dropTarget_) {
        dropTarget_ = target;
        viewport()->update();
    }
    if (taken) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CoolTreeCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    dropTarget_ = kNoTreePath;
    QTreeView::dragLeaveEvent(event);
}

void CoolTreeCtrl::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    dropTarget_ = kNoTreePath;
    viewport()->update();
    TreePath from = dragged_;
    if (event->source() == this && Drop(from, PathAt(event->position().toPoint()))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace sced
