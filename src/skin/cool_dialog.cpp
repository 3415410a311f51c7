#include "skin/cool_dialog.h"

#include <QPainter>

#include "core/editor_texts.h"
#include "skin/captioned_panel.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

CoolDialog::CoolDialog(QWidget* parent) : QDialog(parent) {
    const Skin& skin = Skin::Instance();
    QPalette colours = palette();
    colours.setColor(QPalette::Window, skin.deep);
    colours.setColor(QPalette::WindowText, skin.text);
    colours.setColor(QPalette::Text, skin.text);
    colours.setColor(QPalette::Base, skin.deep);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(skin.dialogFont);
}

bool CoolDialog::ShowModal(std::string_view caption) {
    // A table without the caption's key still names the window: the editor,
    // not the program file.
    setWindowTitle(ToQt(caption.empty() ? Say(text::kEditorName) : std::string(caption)));
    return exec() == QDialog::Accepted;
}

QMargins CoolDialog::ContentMargins() { return {28, 52, 28, 26}; }

void CoolDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int raise = LogicalSize(Skin::Instance().images.edgeBottom).height() / 2;
    PaintCaptionedPanel(painter, rect().adjusted(0, 0, 0, -raise), windowTitle(), true);
}

}  // namespace sced
