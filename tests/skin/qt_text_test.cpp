#include "skin/qt_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "skin/cool_edit.h"

namespace sced {
namespace {

TEST(QtText, CodePageTextsCrossBothWays) {
    const std::string bytes = "Valley \xC4\xEE\xEB\xE8\xED\xE0 \xB9\x85";  // "Долина", "№", "…"
    QString shown = ToQt(bytes);
    EXPECT_EQ(shown, QString::fromUtf8("Valley Долина №…"));
    EXPECT_EQ(FromQt(shown), bytes);
    EXPECT_EQ(FromQt(QString::fromUtf8("Ωmega")), std::nullopt);
    EXPECT_EQ(FromQt(QString::fromUtf8("日")), std::nullopt);
    EXPECT_EQ(FromQt(QString()), std::string());
}

// Types the characters as key presses, as a keyboard layout would.
void Type(QWidget& widget, const QString& text) {
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
    }
}

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
