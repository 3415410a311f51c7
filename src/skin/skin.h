#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <array>

namespace sced {

// The images of the skin, drawn by code when the skin is made.
struct SkinImages {
    QPixmap background;  // tiles seamlessly
    QPixmap edgeLeft, edgeRight, edgeTop, edgeBottom;
    // Corners of the frame and ornaments of the panel, top-left,
    // top-right, bottom-left, bottom-right.
    std::array<QPixmap, 4> corners;
    std::array<QPixmap, 4> ornaments;
    QPixmap plateLeft, plateMiddle, plateRight;
    // A face per button state, drawn as nine patches with the margin.
    std::array<QPixmap, 4> buttonFaces;
    int buttonMargin = 0;
    QPixmap separator;      // tiles horizontally
    QPixmap separatorBoss;  // the separator's centre
};

enum class ButtonState { Normal, Hover, Pressed, Disabled };

// The fonts, colours and images every skinned window shares: made once,
// at the first use after the application object exists.
class Skin {
public:
    static const Skin& Instance();

    QFont dialogFont, dialogBold, dialogUnderlined;
    QFont treeFont, treeBold;  // the tree font is also the sentence's

    // Light text on the dark panels, and the tree's codes.
    QColor text{253, 222, 175};
    QColor textDisabled{163, 163, 163};
    QColor textWarning{240, 80, 0};
    QColor textWhite{255, 255, 255};
    QColor caption{233, 196, 151};
    QColor buttonText{67, 43, 19};
    QColor buttonTextDisabled{43, 43, 43};
    QColor argumentFilled{255, 255, 255};
    QColor argumentUnfilled{230, 230, 230};
    QColor editText{235, 199, 139};
    QColor editDisabled{113, 113, 113};
    // The lines a comparison shows taken out and put in.
    QColor textTakenOut{240, 120, 90};
    QColor textPutIn{150, 215, 120};

    // The solid brushes and pens of the panels.
    QColor wood{113, 81, 62};
    QColor deep{30, 10, 2};
    QColor bark{100, 65, 47};
    QColor ash{66, 60, 50};
    QColor panel{40, 20, 12};
    QColor bronzeDark{99, 64, 24};
    QColor bronze{100, 70, 40};
    QColor bronzeLight{209, 163, 103};

    // The colours of the eight players.
    std::array<QColor, 8> players{QColor{164, 0, 0},    QColor{0, 60, 192},    QColor{44, 180, 148},
                                  QColor{152, 72, 176}, QColor{240, 132, 20},  QColor{40, 40, 60},
                                  QColor{224, 224, 224}, QColor{104, 64, 20}};

    SkinImages images;

private:
    explicit Skin(qreal pixelRatio);
};

// Draws the images of the skin at the device pixel ratio; the same images
// at every start.
SkinImages DrawSkinImages(qreal pixelRatio);

}  // namespace sced
