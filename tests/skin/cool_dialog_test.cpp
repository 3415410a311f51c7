#include "skin/cool_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "skin/cool_button.h"

namespace sced {
namespace {

TEST(CoolDialog, ShowsItsCaptionAndEscapeCancels) {
    CoolDialog dialog;
    auto* ok = new CoolButton(QStringLiteral("OK"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    ok->SetText("\xCE\xCA");  // "ОК"
    EXPECT_EQ(ok->text(), QString::fromUtf8("ОК"));

    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.ShowModal("\xC1\xF0\xEE\xE4"));  // "Брод"
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Брод"));

    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_TRUE(dialog.ShowModal("Ford"));

    // A caption key the game's table lacks still names the window.
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_TRUE(dialog.ShowModal(""));
    EXPECT_EQ(dialog.windowTitle(), "Scenario Editor");
}

}  // namespace
}  // namespace sced
