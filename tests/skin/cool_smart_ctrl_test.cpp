#include "skin/cool_smart_ctrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "declarations/function_template.h"
#include "model/command_tree.h"

namespace sced {
namespace {

struct Call {
    Template declared;
    TermCommand command;

    explicit Call(std::string text) {
        declared.text = std::move(text);
        declared.argDefText = {"unit", "zone", "time"};
        declared.ParsePlaceholders();
        command.function = &declared;
        command.argText = {"scout", "\xD5\xEE\xEB\xEC", "10"};  // "Холм"
    }
};

TEST(CoolSmartCtrl, ClicksHitArgumentsStrictlyInside) {
    Call call("move <1 u> to <2 z>");
    call.command.unfilled = 2;
    CoolSmartCtrl sentence;
    sentence.resize(400, 80);
    QSignalSpy activated(&sentence, &CoolSmartCtrl::ArgumentActivated);
    EXPECT_EQ(sentence.HitTest({30, 25}), -1);  // no command
    sentence.SetCommand(&call.command);
    sentence.show();
    QRect first = sentence.ArgumentRect(0);
    ASSERT_FALSE(first.isEmpty());
    struct Case {
        QPoint point;
        int hit;
    };
    // Every edge is the layout test's; here that the widget's boxes are the layout's.
    const Case cases[] = {{first.center(), 0},
                          {QPoint(first.left(), first.center().y()), -1},
                          {QPoint(first.left() + 1, first.top() + 1), 0},
                          {sentence.ArgumentRect(1).center(), 1},
                          {QPoint(5, 5), -1}};
    for (const Case& c : cases) EXPECT_EQ(sentence.HitTest(c.point), c.hit) << c.point.x() << "," << c.point.y();

    QTest::mouseClick(&sentence, Qt::LeftButton, {}, QPoint(first.left(), first.center().y()));
    EXPECT_EQ(activated.count(), 0);
    QTest::mouseClick(&sentence, Qt::LeftButton, {}, sentence.ArgumentRect(1).center());
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 1);
    QTest::mouseMove(&sentence, first.center());
    EXPECT_EQ(sentence.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&sentence, QPoint(5, 5));
    EXPECT_EQ(sentence.cursor().shape(), Qt::ArrowCursor);
}

TEST(CoolSmartCtrl, TabWalksTheArgumentsAndEnterOpensOne) {
    Call call("wait <3 t>, then move <1 u> to <2 z>");
    QWidget window;
    auto* before = new QWidget(&window);
    before->setFocusPolicy(Qt::StrongFocus);
    auto* sentence = new CoolSmartCtrl(&window);
    auto* after = new QWidget(&window);
    after->setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* widget : {before, static_cast<QWidget*>(sentence), after}) layout->addWidget(widget);
    sentence->SetCommand(&call.command);
    window.show();
    QApplication::setActiveWindow(&window);
    before->setFocus();
    QSignalSpy activated(sentence, &CoolSmartCtrl::ArgumentActivated);
    std::vector<int> walked;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(sentence->hasFocus() ? sentence->focusedArgument() : -1);
    }
    EXPECT_EQ(walked, (std::vector<int>{0, 1, 2, -1}));
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(sentence->focusedArgument(), 2);
    QTest::keyClick(sentence, Qt::Key_Backtab);
    QTest::keyClick(sentence, Qt::Key_Return);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 1);
    call.command.SetFilled(1);  // the argument's dialog gave it a value
    sentence->SetCommand(&call.command);
    EXPECT_EQ(sentence->focusedArgument(), 1);
}

TEST(CoolSmartCtrl, GrowsSoEveryArgumentOfALongSentenceStaysClickable) {
    std::string text;
    for (int i = 0; i < 8; ++i) text += "a long stretch of plain words before <" + std::to_string(i % 3 + 1) + " x> ";
    Call call(text);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* sentence = new CoolSmartCtrl(&window);
    layout->addWidget(sentence);
    window.resize(300, 60);
    sentence->SetCommand(&call.command);
    window.show();
    QApplication::processEvents();
    EXPECT_GE(sentence->height(), sentence->heightForWidth(sentence->width()));
    for (int k = 0; k < 8; ++k) {
        QRect box = sentence->ArgumentRect(k);
        EXPECT_TRUE(sentence->rect().contains(box)) << k;
        EXPECT_EQ(sentence->HitTest(box.center()), k);
    }
}

}  // namespace
}  // namespace sced
