#include "skin/skin_style.h"

#include <QApplication>

#include "skin/skin.h"

namespace sced {

void ApplySkinStyle(QApplication& application) {
    const Skin& skin = Skin::Instance();
    auto rgb = [](const QColor& colour) { return colour.name(); };
    QString text = rgb(skin.text), panel = rgb(skin.panel), deep = rgb(skin.deep), bark = rgb(skin.bark),
            bronze = rgb(skin.bronzeLight), dark = rgb(skin.bronzeDark), grey = rgb(skin.textDisabled);
    application.setStyleSheet(QString(R"(
        QMenuBar { background: %2; color: %1; border-bottom: 1px solid %6; }
        QMenuBar::item { background: transparent; padding: 3px 10px; }
        QMenuBar::item:selected, QMenuBar::item:pressed { background: %4; color: #ffffff; }
        QMenu { background: %3; color: %1; border: 1px solid %5; padding: 3px; }
        QMenu::item { padding: 4px 28px 4px 20px; }
        QMenu::item:selected { background: %4; color: #ffffff; }
        QMenu::item:disabled { color: %7; }
        QMenu::separator { height: 1px; background: %6; margin: 4px 8px; }
        QScrollBar:vertical { background: %3; width: 14px; margin: 0; }
        QScrollBar:horizontal { background: %3; height: 14px; margin: 0; }
        QScrollBar::handle { background: %4; border: 1px solid %5; border-radius: 4px; min-height: 24px; min-width: 24px; }
        QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
        QScrollBar::add-page, QScrollBar::sub-page { background: none; }
        QToolTip { background: %2; color: %1; border: 1px solid %5; }
    )")
                                  .arg(text, panel, deep, bark, bronze, dark, grey));
}

}  // namespace sced
