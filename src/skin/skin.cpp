#include "skin/skin.h"

#include <QGuiApplication>

namespace sced {

namespace {

// A font by the height of its characters in pixels.
QFont FontOf(const char* family, int height, QFont::Weight weight, bool underline = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(height);
    font.setWeight(weight);
    font.setUnderline(underline);
    font.setStyleHint(family[0] == 'T' ? QFont::Serif : QFont::SansSerif);
    return font;
}

}  // namespace

const Skin& Skin::Instance() {
    static const Skin skin(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    return skin;
}

Skin::Skin(qreal pixelRatio)
    : dialogFont(FontOf("Times New Roman", 14, QFont::Normal)),
      dialogBold(FontOf("Times New Roman", 14, QFont::Bold)),
      dialogUnderlined(FontOf("Times New Roman", 14, QFont::Normal, true)),
      treeFont(FontOf("Arial", 11, QFont::Normal)),
      treeBold(FontOf("Arial", 11, QFont::Bold)),
      images(DrawSkinImages(pixelRatio)) {}

}  // namespace sced
