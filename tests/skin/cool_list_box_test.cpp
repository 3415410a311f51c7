#include "skin/cool_list_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QImage>

#include "controls/item_markup.h"
#include "skin/skin.h"

namespace sced {
namespace {

// The colours drawn along the middle line of each row.
std::vector<std::set<QRgb>> RowColours(CoolListBox& list) {
    QImage image = list.grab().toImage();
    std::vector<std::set<QRgb>> rows;
    for (int row = 0; row < list.count(); ++row) {
        QRect box = list.visualItemRect(list.item(row)).translated(list.viewport()->pos());
        std::set<QRgb> colours;
        for (int x = box.left(); x <= box.right(); ++x) colours.insert(image.pixel(x, box.center().y()) & 0xFFFFFF);
        rows.push_back(colours);
    }
    return rows;
}

TEST(CoolListBox, MarkupCodesAreTakenOffTheText) {
    struct Case {
        const char* item;
        const char* text;
        bool line;
    };
    const Case cases[] = {{"&lGroups", "Groups", true}, {"&3&lRed", "Red", true}, {"&xBlue", "xBlue", false},
                          {"&&l", "&l", false},         {"a&l", "a&l", false},  {"&", "&", false}};
    for (const Case& c : cases) {
        ListItemMarkup markup = ParseListItem(c.item);
        EXPECT_EQ(markup.text, c.text) << c.item;
        EXPECT_EQ(markup.line, c.line) << c.item;
    }
}

TEST(CoolListBox, MarkupAndModesAreDrawn) {
    CoolListBox list;
    list.resize(240, 200);
    list.SetItems({"&lGroups", "&3Red", "&xBlue", "Green"});
    list.show();
    EXPECT_EQ(list.item(0)->text(), QString("&lGroups"));
    const Skin& skin = Skin::Instance();
    auto rows = RowColours(list);
    // "&l" draws the white divider; no other row has one.
    EXPECT_TRUE(rows[0].count(skin.textWhite.rgb() & 0xFFFFFF));
    EXPECT_FALSE(rows[1].count(skin.textWhite.rgb() & 0xFFFFFF));
    EXPECT_FALSE(rows[1].count(skin.players[1].rgb() & 0xFFFFFF));

    list.Notify(kListSwatches);
    rows = RowColours(list);
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_TRUE(rows[row].count(skin.players[row].rgb() & 0xFFFFFF)) << row;
    list.Notify(kListNormal);
    rows = RowColours(list);
    EXPECT_FALSE(rows[2].count(skin.players[2].rgb() & 0xFFFFFF));
}

TEST(CoolListBox, SelectionFollowsTheDataBothWays) {
    CoolListBox list;
    list.SetItems({"a", "b", "c"});
    list.SetSelection(2);
    EXPECT_EQ(list.currentRow(), 2);
    list.setCurrentRow(1);  // the designer's click
    EXPECT_EQ(list.GetSelection(), 1);
    list.SetItems({"x"});
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_EQ(list.GetSelection(), -1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list, &focus);
    EXPECT_EQ(list.GetSelection(), -1) << "the focus chooses nothing";
}

}  // namespace
}  // namespace sced
