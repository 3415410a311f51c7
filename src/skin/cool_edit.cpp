#include "skin/cool_edit.h"

#include <QValidator>

#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {

class CodePageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return FromQt(input) ? Acceptable : Invalid; }
};

}  // namespace

CoolEdit::CoolEdit(QWidget* parent) : QLineEdit(parent) {
    const Skin& skin = Skin::Instance();
    setFont(skin.dialogFont);
    setValidator(new CodePageValidator(this));
    setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 3px;"
                                 " padding: 3px 6px; selection-background-color: %4; selection-color: %5; }"
                                 "QLineEdit:focus { border-color: %6; }"
                                 "QLineEdit:disabled { color: %7; border-color: %8; }")
                      .arg(skin.deep.name(), skin.editText.name(), skin.bronzeDark.name(), skin.bark.name(),
                           skin.textWhite.name(), skin.bronzeLight.name(), skin.textDisabled.name(),
                           skin.editDisabled.name()));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& shown) {
        if (std::optional<std::string> bytes = FromQt(shown)) text_ = std::move(*bytes);
    });
}

void CoolEdit::Refresh() {
    QString shown = ToQt(text_);
    if (shown != text()) setText(shown);
}

}  // namespace sced
