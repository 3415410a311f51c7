#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "app/alliance_dialog.h"
#include "app/command_dialog.h"
#include "app/direction_dialog.h"
#include "app/find_bar.h"
#include "app/formation_dialog.h"
#include "app/list_dialogs.h"
#include "app/page_dialog.h"
#include "app/properties_dialog.h"
#include "app/recovery_keeper.h"
#include "app/replace_dialog.h"
#include "app/report_dialogs.h"
#include "app/results_panel.h"
#include "app/script_pane.h"
#include "app/text_dialogs.h"
#include "app/tree_dialogs.h"
#include "app/trigger_dialog.h"
#include "app/user_questions.h"
#include "core/editor_texts.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "model/scenario.h"
#include "skin/captioned_panel.h"
#include "skin/cool_button.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

// The main window's client area: the buttons in a column on the left, the
// tree in a captioned panel filling the rest, the find bar above the tree
// while it is open, and the panes under it while they show.
class MainPanel : public QWidget {
public:
    MainPanel(QWidget* parent, std::vector<CoolButton*> buttons, CoolTreeCtrl* tree, QWidget* findBar,
              std::vector<QWidget*> panes)
        : QWidget(parent), buttons_(std::move(buttons)), tree_(tree), findBar_(findBar), panes_(std::move(panes)) {
        setMinimumSize(720, 480);
        findBar_->installEventFilter(this);
        for (QWidget* pane : panes_) pane->installEventFilter(this);
    }

protected:
    void resizeEvent(QResizeEvent*) override { Place(); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
            Place();
            update();
            // A pane that takes room from the tree leaves the selection in sight.
            if (QModelIndex current = tree_->currentIndex(); current.isValid()) tree_->scrollTo(current);
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawTiledPixmap(rect(), Skin::Instance().images.background);
        PaintCaptionedPanel(painter, frame_, ToQt(Lookup("txtMissionScript")), false);
    }

private:
    void Place() {
        // The buttons in groups as the commands go together; the tree beside them.
        static constexpr int kGapAfter[] = {0, 18, 0, 0, 18, 0, 18, 0};
        int y = 10;
        int width = 0;
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            QSize size = buttons_[i]->sizeHint().expandedTo(QSize(174, 40));
            buttons_[i]->setGeometry(5, y, size.width(), size.height());
            width = std::max(width, size.width());
            y += size.height() + 4 + (i < std::size(kGapAfter) ? kGapAfter[i] : 0);
        }
        QRect area = rect().adjusted(width + 6, 0, -2, 2);
        // The panes share at most half the height, the tree keeps the rest.
        int shown = static_cast<int>(std::count_if(panes_.begin(), panes_.end(), [](QWidget* p) { return !p->isHidden(); }));
        int paneHeight = shown ? std::min(240, area.height() / 2 / shown) : 0;
        int bottom = area.bottom();
        for (auto pane = panes_.rbegin(); pane != panes_.rend(); ++pane) {
            if ((*pane)->isHidden()) continue;
            (*pane)->setGeometry(area.left(), bottom - paneHeight + 1, area.width(), paneHeight);
            bottom -= paneHeight;
        }
        frame_ = QRect(area.topLeft(), QPoint(area.right(), bottom));
        QRect inside = frame_.adjusted(32, 56, -30, -32);
        if (!findBar_->isHidden()) {
            int height = findBar_->sizeHint().height();
            findBar_->setGeometry(inside.left(), inside.top() - 6, inside.width(), height);
            inside.setTop(inside.top() - 6 + height + 4);
        }
        tree_->setGeometry(inside);
    }

    std::vector<CoolButton*> buttons_;
    CoolTreeCtrl* tree_;
    QWidget* findBar_;
    std::vector<QWidget*> panes_;
    QRect frame_;
};


// The commands of the eight buttons, top to bottom.
constexpr MainCommand kButtons[] = {MainCommand::kMoveUp,    MainCommand::kMoveDown,  MainCommand::kAddTrigger,
                                    MainCommand::kAddCondition, MainCommand::kAddAction, MainCommand::kModify,
                                    MainCommand::kDuplicate, MainCommand::kDelete};

}  // namespace

MainWindow::MainWindow(Scenario& scenario, UserQuestions* questions)
    : scenario_(scenario),
      ownQuestions_(questions ? nullptr : std::make_unique<DialogQuestions>(this)),
      questions_(questions ? *questions : *ownQuestions_),
      editor_(scenario) {
    SetWarningSink([this](const std::string& text) { questions_.Warn(text); });
    tree_ = new CoolTreeCtrl;
    ControlTable::Instance().Register(kScenarioTree, tree_);
    chooser_ = new CommandDialog(this, CommandDialog::kChooser, scenario_);
    commandEditor_ = new CommandDialog(this, CommandDialog::kEditor, scenario_);
    groups_ = new ListDialog(this, ListDialog::kGroup);
    renames_ = new ListDialog(this, ListDialog::kRename);
    formations_ = new FormationDialog(this);
    unitTypes_ = new TreeDialog(this, TreeDialog::kUnitType);
    upgrades_ = new TreeDialog(this, TreeDialog::kUpgrade);
    directions_ = new DirectionDialog(this);
    alliances_ = new AllianceDialog(this);
    strings_ = new TextDialog(this, TextDialog::kString);
    numbers_ = new TextDialog(this, TextDialog::kNumber);
    triggers_ = new TriggerDialog(this);
    missions_ = new MissionDialog(this, scenario_);
    properties_ = new PropertiesDialog(this, scenario_, questions_);
    pages_ = new PageDialog(this, scenario_.gameFolder, questions_);
    report_ = new MessageDialog(this);
    replacements_ = new ReplaceDialog(this);
    for (ListDialog* dialog : {groups_, renames_})
        dialog->SetReplacer({[this](int item) { return !editor_.arguments().ThingOfItem(item).group.empty(); },
                             [this](int item) { return ReplaceListItem(item); }});
    findBar_ = new FindBar;
    results_ = new ResultsPanel;
    script_ = new ScriptPane;
    BuildActions();
    BuildMenus();
    setCentralWidget(BuildPanel());
    resize(1100, 720);  // room for the tree of a real mission at the first start
    connect(tree_, &CoolTreeCtrl::SelectionChanged, this, [this] {
        editor_.FollowTreeSelection();
        Refresh();
    });
    connect(tree_, &CoolTreeCtrl::ItemDoubleClicked, this, [this] { Run(MainCommand::kModify); });
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowContextMenu);
    // Triggers and commands move by drag and drop where the Editor takes them.
    tree_->SetDropRule([this](const TreePath& from, const TreePath& to) { return editor_.Accepts(from, to); });
    connect(tree_, &CoolTreeCtrl::Dropped, this, [this](const TreePath& from, const TreePath& to) {
        if (!editor_.MoveTo(from, to)) return;
        if (find_.active()) UpdateFind();
        Refresh();
    });
    connect(findBar_, &FindBar::TextChanged, this, &MainWindow::UpdateFind);
    connect(findBar_, &FindBar::Next, this, [this] { FindStep(true); });
    connect(findBar_, &FindBar::Previous, this, [this] { FindStep(false); });
    connect(findBar_, &FindBar::Closed, this, &MainWindow::CloseFind);
    connect(results_, &ResultsPanel::Chosen, this, &MainWindow::GoTo);
    connect(results_, &ResultsPanel::ReplaceAsked, this, &MainWindow::ReplaceShownThing);
    connect(results_, &ResultsPanel::Closed, this, [this] {
        results_->hide();
        tree_->setFocus();
    });
    action(MainCommand::kScript)->setCheckable(true);
    editor_.RebuildTree();
    Refresh();
}

MainWindow::~MainWindow() {
    SetWarningSink(nullptr);
    ControlTable::Instance().Unregister(tree_);
}

void MainWindow::SetWinePrefix(std::filesystem::path prefix) { pages_->SetWinePrefix(std::move(prefix)); }

QAction* MainWindow::action(MainCommand command) const {
    auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::BuildActions() {
    for (const MainCommandEntry& entry : MainCommands()) {
        if (entry.label.empty()) continue;
        auto* action = new QAction(QString::fromUtf8(entry.label.data(), static_cast<int>(entry.label.size())), this);
        QList<QKeySequence> keys;
        for (std::string_view key : entry.keys)
            keys.append(QKeySequence(QString::fromUtf8(key.data(), static_cast<int>(key.size()))));
        action->setShortcuts(keys);
        // The keys work wherever the focus is in the main window, not in its dialogs.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        MainCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[command] = action;
    }
}

void MainWindow::BuildMenus() {
    QMenu* menu = nullptr;
    std::string_view current;
    for (const MainCommandEntry& entry : MainCommands()) {
        if (entry.menu.empty()) continue;  // keys without a menu item
        if (entry.menu != current) {
            current = entry.menu;
            menu = menuBar()->addMenu(QString::fromUtf8(current.data(), static_cast<int>(current.size())));
        }
        if (entry.label.empty())
            menu->addSeparator();
        else
            menu->addAction(actions_[entry.command]);
    }
}

QWidget* MainWindow::BuildPanel() {
    std::vector<CoolButton*> buttons;
    for (MainCommand command : kButtons) {
        auto* button = new CoolButton;
        button->setFocusPolicy(Qt::NoFocus);
        for (const MainCommandEntry& entry : MainCommands())
            if (entry.command == command) button->SetText(Lookup(std::string(entry.buttonKey)));
        connect(button, &QPushButton::clicked, this, [this, command] { Run(command); });
        buttons_.emplace_back(command, button);
        buttons.push_back(button);
    }
    auto* panel = new MainPanel(this, buttons, tree_, findBar_, {results_, script_});
    for (CoolButton* button : buttons) button->setParent(panel);
    for (QWidget* part : std::initializer_list<QWidget*>{tree_, findBar_, results_, script_}) part->setParent(panel);
    findBar_->hide();
    results_->hide();
    script_->hide();
    tree_->setFocus();
    return panel;
}

void MainWindow::Run(MainCommand command) {
    if (!IsEnabled(editor_, command)) return;
    using C = MainCommand;
    switch (command) {
        case C::kNew: New(); break;
        case C::kOpen: Open(); break;
        case C::kClose: Close(); break;
        case C::kSave: Save(); break;
        case C::kPrint: Print(); break;
        case C::kCompare: CompareWith(); break;
        case C::kDeleteMission: DeleteMission(); break;
        case C::kExit: close(); break;
        case C::kExportDump: ExportDump(); break;
        case C::kImportDump: ImportDump(); break;
        case C::kUndo: editor_.Undo(); break;
        case C::kRedo: editor_.Redo(); break;
        case C::kCut: CutToClipboard(); break;
        case C::kCopy:
            if (editor_.Copy()) PutOnClipboard(editor_.SelectionText());
            break;
        case C::kPaste: PasteFromClipboard(); break;
        case C::kDuplicate: editor_.Duplicate(); break;
        case C::kDelete: editor_.Delete(); break;
        case C::kAddTrigger: editor_.AddTrigger(); break;
        case C::kAddCondition: editor_.AddCondition(); break;
        case C::kAddAction: editor_.AddAction(); break;
        case C::kModify: editor_.Modify(); break;
        case C::kMoveUp: editor_.MoveUp(); break;
        case C::kMoveDown: editor_.MoveDown(); break;
        case C::kProperties: editor_.MissionProperties(); break;
        case C::kPlay: StartGame(false); break;
        case C::kMapEditor: StartGame(true); break;
        case C::kFind: OpenFind(); break;
        case C::kFindNext: FindStep(true); break;
        case C::kFindPrevious: FindStep(false); break;
        case C::kWhereUsed: ShowWhereUsed(); break;
        case C::kCheck: ShowProblems(); break;
        case C::kScript: script_->setVisible(!script_->isVisible()); break;
        case C::kAbout:
            report_->Show("About", Lookup("txtScedTitle") + "\n" + Lookup("txtVerCaption") + " 1.01\n" +
                                       Lookup("txtCopyright"));
            break;
    }
    // A mission opened, started or closed: what the panel found was of the old one.
    if (command == C::kNew || command == C::kOpen || command == C::kClose || command == C::kDeleteMission)
        results_->hide();
    // The command may have changed what the search finds.
    if (find_.active() || !findBar_->isHidden()) UpdateFind();
    Refresh();
}

void MainWindow::CutToClipboard() {
    // The text of what goes, taken while it is there.
    std::string text = editor_.SelectionText();
    if (editor_.Cut()) PutOnClipboard(text);
}

void MainWindow::PutOnClipboard(const std::string& text) {
    clipboardText_ = ToQt(text);
    QGuiApplication::clipboard()->setText(clipboardText_);
}

void MainWindow::PasteFromClipboard() {
    // The editor's own copy pastes as it was taken (dynamic groups by their
    // place); text from elsewhere is read against this mission's names.
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || text == clipboardText_) {
        editor_.Paste();
        return;
    }
    std::optional<std::string> bytes = FromQt(text);
    if (!bytes) {
        Warn(false, "The text on the clipboard holds a character that the mission script cannot hold, so it "
                    "cannot be pasted.");
        return;
    }
    editor_.PasteText(*bytes);
}

void MainWindow::Refresh() {
    for (auto& [command, action] : actions_) action->setEnabled(IsEnabled(editor_, command));
    for (auto& [command, button] : buttons_) button->setEnabled(IsEnabled(editor_, command));
    action(MainCommand::kScript)->setChecked(script_->isVisible());
    if (recovery_) recovery_->Follow();
    UpdateScript();
    RenewResults();
    QString title = ToQt(Say(text::kEditorName));
    if (editor_.IsOpen())
        title = ToQt(scenario_.missionName) + (editor_.IsModified() ? "*" : "") + " - " + title;
    setWindowTitle(title);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!OfferToSave(true)) {
        event->ignore();
        return;
    }
    // Saved, or thrown away by the designer's answer: no copy is kept.
    if (recovery_) recovery_->Finish();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && results_->isVisible()) {
        results_->hide();
        tree_->setFocus();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Back from the game's map editor: its zones and groups come in. While a
    // dialog is open this waits: the dialog's closing activates the window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !QApplication::activeModalWidget())
        ReadMapAgain();
}

}  // namespace sced
