#include "skin/captioned_panel.h"

#include <gtest/gtest.h>

#include "skin/skin.h"

namespace sced {
namespace {

// Images of round sizes: edges 8 thick, corners 14, ornaments 30, plate 48 high.
SkinImages Sized() {
    SkinImages images;
    images.edgeLeft = images.edgeRight = QPixmap(8, 64);
    images.edgeTop = images.edgeBottom = QPixmap(64, 8);
    images.corners.fill(QPixmap(14, 14));
    images.ornaments.fill(QPixmap(30, 30));
    images.plateLeft = images.plateRight = QPixmap(40, 48);
    return images;
}

TEST(CaptionedPanel, ImagesGoWhereTheFrameRulesPutThem) {
    SkinImages images = Sized();
    PanelPlaces places = PlacePanel(QRect(10, 20, 400, 300), 61, true, images);
    EXPECT_EQ(places.background, QRect(23, 33, 374, 275));
    EXPECT_EQ(places.left, QRect(15, 33, 8, 275));
    EXPECT_EQ(places.right, QRect(397, 33, 8, 275));
    EXPECT_EQ(places.bottom, QRect(23, 308, 374, 8));
    EXPECT_EQ(places.corners,
              (std::array<QPoint, 4>{QPoint(15, 25), QPoint(391, 25), QPoint(15, 302), QPoint(391, 302)}));
    EXPECT_EQ(places.ornaments,
              (std::array<QPoint, 4>{QPoint(10, 20), QPoint(380, 20), QPoint(10, 290), QPoint(380, 290)}));
    // 61 + 100 wide, its left at 10 + (400 - 161) / 2 (rounded down).
    EXPECT_EQ(places.plate, QRect(129, 20, 161, 48));
    EXPECT_EQ(places.caption, QRect(129, 37, 161, 17));
    EXPECT_EQ(places.top, (std::vector<QRect>{QRect(29, 25, 100, 8), QRect(290, 25, 101, 8)}));

    PanelPlaces bare = PlacePanel(QRect(10, 20, 400, 300), 0, false, images);
    EXPECT_EQ(bare.top, (std::vector<QRect>{QRect(29, 25, 362, 8)}));
}

}  // namespace
}  // namespace sced
