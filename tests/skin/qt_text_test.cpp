#include "skin/qt_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "skin/cool_edit.h"

namespace sced {
namespace {

// Types the characters as key presses, as a keyboard layout would.
void Type(QWidget& widget, const QString& text) {
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
    }
}

// The edit crosses the code page both ways (the table itself is tested
// with the code page) and refuses what it cannot hold.
TEST(CoolEdit, RefusesACharacterTheCodePageCannotHold) {
    CoolEdit edit;
    edit.SetText("\xC8\xE2\xE0\xED");  // "Иван"
    EXPECT_EQ(edit.text(), QString::fromUtf8("Иван"));
    edit.setFocus();
    edit.end(false);
    Type(edit, QString::fromUtf8("Ωо"));
    edit.insert(QString::fromUtf8("日в"));  // pasted
    edit.insert(QString::fromUtf8("в"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("Иванов"));
    EXPECT_EQ(edit.GetText(), "\xC8\xE2\xE0\xED\xEE\xE2");
}

}  // namespace
}  // namespace sced
