#include "skin/tree_model.h"

#include <algorithm>

#include "skin/qt_text.h"

namespace sced {

TreeModel::TreeModel(const Tree& tree, QObject* parent) : QAbstractItemModel(parent), tree_(tree) { Reset(); }

TreeModel::~TreeModel() = default;

void TreeModel::Reset() {
    beginResetModel();
    root_ = std::make_unique<Shadow>();
    root_->rows = static_cast<int>(tree_.size());
    root_->children.resize(tree_.size());
    endResetModel();
}

TreeModel::Shadow* TreeModel::ShadowOf(const QModelIndex& index) const {
    if (!index.isValid()) return root_.get();
    auto* parent = static_cast<Shadow*>(index.internalPointer());
    auto row = static_cast<std::size_t>(index.row());
    if (row >= parent->children.size()) return nullptr;
    std::unique_ptr<Shadow>& shadow = parent->children[row];
    if (!shadow) {
        // The first question about this item's children.
        shadow = std::make_unique<Shadow>();
        shadow->parent = parent;
        shadow->row = index.row();
        const TreeNode* node = NodeAt(shadow.get());
        shadow->rows = node ? static_cast<int>(node->children.size()) : 0;
        shadow->children.resize(static_cast<std::size_t>(shadow->rows));
    }
    return shadow.get();
}

const TreeNode* TreeModel::NodeAt(const Shadow* shadow) const {
    if (!shadow->parent) return nullptr;
    const Tree* list = &tree_;
    if (shadow->parent->parent) {
        const TreeNode* parent = NodeAt(shadow->parent);
        if (!parent) return nullptr;
        list = &parent->children;
    }
    auto row = static_cast<std::size_t>(shadow->row);
    return row < list->size() ? &(*list)[row] : nullptr;
}

const TreeNode* TreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid()) return nullptr;
    auto* parent = static_cast<Shadow*>(index.internalPointer());
    const Tree* list = &tree_;
    if (parent->parent) {
        const TreeNode* node = NodeAt(parent);
        if (!node) return nullptr;
        list = &node->children;
    }
    auto row = static_cast<std::size_t>(index.row());
    return row < list->size() ? &(*list)[row] : nullptr;
}

QModelIndex TreeModel::IndexOf(const Shadow* shadow) const {
    if (!shadow->parent) return {};
    return createIndex(shadow->row, 0, shadow->parent);
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    Shadow* shadow = ShadowOf(parent);
    if (!shadow || column != 0 || row < 0 || row >= shadow->rows) return {};
    return createIndex(row, 0, shadow);
}

QModelIndex TreeModel::parent(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    return IndexOf(static_cast<Shadow*>(index.internalPointer()));
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    Shadow* shadow = ShadowOf(parent);
    return shadow ? shadow->rows : 0;
}

int TreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole) return {};
    const TreeNode* node = NodeOf(index);
    return node ? ToQt(node->text) : QString();
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractItemModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : flags;
}

QModelIndex TreeModel::IndexOf(const TreePath& path) const {
    QModelIndex found;
    for (int level = 0; level < kTreePathLevels && path[static_cast<std::size_t>(level)] >= 0; ++level) {
        QModelIndex next = index(path[static_cast<std::size_t>(level)], 0, found);
        if (!next.isValid()) break;
        found = next;
    }
    return found;
}

TreePath TreeModel::PathOf(const QModelIndex& index) const {
    std::vector<int> rows;
    for (QModelIndex at = index; at.isValid(); at = at.parent()) rows.push_back(at.row());
    TreePath path = kNoTreePath;
    if (rows.size() > static_cast<std::size_t>(kTreePathLevels)) return path;
    std::copy(rows.rbegin(), rows.rend(), path.begin());
    return path;
}

void TreeModel::Renumber(Shadow& shadow, int from) {
    for (auto i = static_cast<std::size_t>(from); i < shadow.children.size(); ++i)
        if (shadow.children[i]) shadow.children[i]->row = static_cast<int>(i);
}

void TreeModel::Relabelled(const std::vector<TreeRelabel>& texts) {
    for (const TreeRelabel& text : texts) {
        // Only a node whose parent's children the view asked for is known to
        // it; no shadow is made for the others.
        Shadow* parent = root_.get();
        const int depth = PathDepth(text.path);
        for (int level = 0; level + 1 < depth && parent; ++level) {
            auto row = static_cast<std::size_t>(text.path[static_cast<std::size_t>(level)]);
            parent = row < parent->children.size() ? parent->children[row].get() : nullptr;
        }
        const int row = depth > 0 ? text.path[static_cast<std::size_t>(depth - 1)] : -1;
        if (!parent || row < 0 || row >= parent->rows) continue;
        const QModelIndex changed = createIndex(row, 0, parent);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void TreeModel::Spliced(const TreeSplice& splice) {
    Shadow& root = *root_;
    int position = std::clamp(splice.position, 0, root.rows);
    int removed = std::clamp(splice.removed, 0, root.rows - position);
    int inserted = static_cast<int>(splice.inserted.size());
    int kept = std::min(removed, inserted);
    // The first nodes of the splice take the places of the removed ones.
    for (int row = position; row < position + kept; ++row) {
        auto& shadow = root.children[static_cast<std::size_t>(row)];
        if (shadow && static_cast<std::size_t>(row) < tree_.size()) Sync(*shadow, tree_[static_cast<std::size_t>(row)]);
    }
    if (kept > 0) {
        QModelIndex first = index(position, 0), last = index(position + kept - 1, 0);
        emit dataChanged(first, last);
    }
    auto at = root.children.begin() + position + kept;
    if (removed > kept) {
        beginRemoveRows({}, position + kept, position + removed - 1);
        root.children.erase(at, at + (removed - kept));
        root.rows -= removed - kept;
        Renumber(root, position + kept);
        endRemoveRows();
    } else if (inserted > kept) {
        beginInsertRows({}, position + kept, position + inserted - 1);
        std::vector<std::unique_ptr<Shadow>> fresh(static_cast<std::size_t>(inserted - kept));
        root.children.insert(at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
        root.rows += inserted - kept;
        Renumber(root, position + inserted);
        endInsertRows();
    }
}

void TreeModel::Sync(Shadow& shadow, const TreeNode& node) {
    QModelIndex parent = IndexOf(&shadow);
    int now = static_cast<int>(node.children.size());
    if (now < shadow.rows) {
        beginRemoveRows(parent, now, shadow.rows - 1);
        shadow.children.resize(static_cast<std::size_t>(now));
        shadow.rows = now;
        endRemoveRows();
    } else if (now > shadow.rows) {
        beginInsertRows(parent, shadow.rows, now - 1);
        shadow.children.resize(static_cast<std::size_t>(now));
        shadow.rows = now;
        endInsertRows();
    }
    if (now == 0) return;
    emit dataChanged(index(0, 0, parent), index(now - 1, 0, parent));
    for (std::size_t i = 0; i < shadow.children.size(); ++i)
        if (shadow.children[i]) Sync(*shadow.children[i], node.children[i]);
}

}  // namespace sced
