#include "app/list_dialogs.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>

#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "core/string_table.h"
#include "skin/cool_button.h"
#include "skin/cool_list_box.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

ListDialog::ListDialog(QWidget* parent, Kind kind)
    : AppDialog(parent), list_(new CoolListBox(this)), usedBy_(new QListWidget(this)) {
    const Skin& skin = Skin::Instance();
    list_->setMinimumSize(300, 240);
    usedBy_->setMinimumWidth(320);
    usedBy_->setFont(skin.treeFont);
    usedBy_->setFocusPolicy(Qt::NoFocus);
    usedBy_->setSelectionMode(QAbstractItemView::NoSelection);
    usedBy_->setStyleSheet(QStringLiteral("QListWidget { background: %1; color: %2; border: 1px solid %3; }"
                                          "QListWidget::item { padding: 1px 4px; }")
                               .arg(skin.deep.name(), skin.text.name(), skin.bronzeDark.name()));
    QLabel* caption = NewLabel(skin.caption, ToQt(Say(text::kUsedBy)));
    auto* uses = new QVBoxLayout;
    uses->addWidget(caption);
    uses->addWidget(usedBy_, 1);
    // The two lists start at the same height.
    auto* items = new QVBoxLayout;
    items->addSpacing(caption->sizeHint().height() + uses->spacing());
    items->addWidget(list_, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(items, 1);
    row->addLayout(uses, 1);
    ControlTable& table = ControlTable::Instance();
    auto* side = new QVBoxLayout;
    switch (kind) {
        case kGroup:
            table.Register(kGroupList, list_);
            table.Register(kGroupDialog, this);
            break;
        case kRename: {
            table.Register(kRenameList, list_);
            table.Register(kRenameDialog, this);
            rename_ = new CoolButton(ToQt(Lookup("txtRename")), this);
            side->addWidget(rename_);
            connect(rename_, &QPushButton::clicked, this, [this] {
                int item = list_->GetSelection();
                if (ControlEvents* events = ControlTable::Instance().events(); events && item >= 0) {
                    events->Rename(item);
                    list_->SetSelection(item);
                }
                FollowSelection();
            });
            break;
        }
    }
    replace_ = new CoolButton(ToQt(Say(text::kReplaceWith)), this);
    side->addWidget(replace_);
    side->addStretch();
    row->addLayout(side);
    connect(replace_, &QPushButton::clicked, this, [this] {
        int item = list_->GetSelection();
        if (!replacer_.replace || item < 0) return;
        // The thing put in its place is the one chosen now.
        if (std::optional<int> chosen = replacer_.replace(item); chosen && *chosen >= 0) list_->SetSelection(*chosen);
        FollowSelection();
    });
    content()->addLayout(row);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { FollowSelection(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void ListDialog::Prepare() {
    FollowSelection();
    list_->setFocus();
}

void ListDialog::FollowSelection() {
    ControlEvents* events = ControlTable::Instance().events();
    int item = list_->GetSelection();
    usedBy_->clear();
    if (events && item >= 0)
        for (const std::string& use : events->UsesOfItem(item)) usedBy_->addItem(ToQt(use));
    if (rename_) rename_->setEnabled(events && item >= 0 && events->RenameAllowed(item));
    replace_->setVisible(static_cast<bool>(replacer_.allowed));
    replace_->setEnabled(item >= 0 && replacer_.allowed && replacer_.allowed(item));
}

}  // namespace sced
