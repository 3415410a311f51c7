#include "app/script_pane.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "core/editor_texts.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

ScriptPane::ScriptPane(QWidget* parent) : FramedPane(parent), text_(new QPlainTextEdit(this)) {
    const Skin& skin = Skin::Instance();
    SetCaption(ToQt(Say(text::kScript)));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(skin.treeFont.pointSizeF() > 0 ? skin.treeFont.pointSizeF() : 9);
    text_->setFont(fixed);
    text_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2; border: 1px solid %3;"
                                        " selection-background-color: %4; selection-color: %5; }")
                             .arg(skin.deep.name(), skin.editText.name(), skin.bronzeDark.name(), skin.bark.name(),
                                  skin.textWhite.name()));
}

void ScriptPane::SetScript(const QString& script) {
    if (text_->toPlainText() != script) text_->setPlainText(script);
}

void ScriptPane::resizeEvent(QResizeEvent*) { text_->setGeometry(BodyRect()); }

}  // namespace sced
