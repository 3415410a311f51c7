#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/main_window.h"
#include "app/user_questions.h"
#include "core/string_table.h"
#include "model/scenario.h"
#include "skin/cool_tree_ctrl.h"
#include "support/game_folder.h"

namespace sced::test {

// The designer's answers to the boxes, in order; every question is noted.
class Answers : public UserQuestions {
public:
    std::deque<Answer> answers;
    std::deque<std::filesystem::path> files;  // for the file dialogs, in order
    std::deque<bool> restores;                 // Restore or Discard, in order
    std::vector<std::string> asked, warned;

    Answer Ask(const std::string& text, bool withCancel) override {
        asked.push_back(text + (withCancel ? " [cancel]" : ""));
        return Next(answers).value_or(Answer::kNo);
    }
    void Warn(const std::string& text) override { warned.push_back(text); }
    bool OfferRestore(const std::string& text) override {
        asked.push_back(text);
        return Next(restores).value_or(false);
    }
    std::optional<std::filesystem::path> FileToSave(const std::string&, const std::string&) override {
        return Next(files);
    }
    std::optional<std::filesystem::path> FileToOpen(const std::string&, const std::filesystem::path&) override {
        return Next(files);
    }
    template <class T>
    static std::optional<T> Next(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

// What the designer does in the next modal dialog, once it shows. The
// caller lets the events run before its locals go (a dialog runs them).
inline void InNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog came up";
            return;
        }
        act(*dialog);
    });
}

inline QPushButton* Button(QWidget& parent, const QString& text) {
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == text && button->isVisible()) return button;
    return nullptr;
}

// What the visible labels of the dialog say, joined by blanks.
inline std::string Said(QWidget& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty()) texts << label->text();
    return texts.join(" ").toStdString();
}

// The main window on a copy of the demo with its mission open, in a game
// folder whose path has a blank.
class WindowTest : public testing::Test {
protected:
    WindowTest() {
        StringTable::Instance().Load(folder.path());
        Start();
        EXPECT_TRUE(window->editor().Open("Maps\\Valley.m3d"));
        window->Refresh();
    }
    // The editor started anew on the game folder, no mission open.
    void Start() {
        window.reset();
        scenario = std::make_unique<Scenario>(folder.path());
        window = std::make_unique<MainWindow>(*scenario, &answers);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Select(const TreePath& path) {
        window->tree()->Select(path);
        window->editor().FollowTreeSelection();
        window->Refresh();
    }
    // The window active again with the focus in the tree, as the window
    // system leaves it when a dialog has closed.
    void Activate() {
        QApplication::processEvents();
        QApplication::setActiveWindow(window.get());
        window->tree()->setFocus();
        ASSERT_TRUE(window->isActiveWindow());
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->tree(), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }

    TempGameFolder folder{TempGameFolder::kDemoCopy, "sced game "};
    std::unique_ptr<Scenario> scenario;
    Answers answers;
    std::unique_ptr<MainWindow> window;
};

}  // namespace sced::test
