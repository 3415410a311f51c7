#pragma once

#include "app/results_panel.h"

class QPlainTextEdit;

namespace sced {

// The script of the selected trigger as the game reads it, read-only, in a
// fixed-width font.
class ScriptPane : public FramedPane {
    Q_OBJECT
public:
    explicit ScriptPane(QWidget* parent = nullptr);
    void SetScript(const QString& script);
    QPlainTextEdit* text() const { return text_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* text_;
};

}  // namespace sced
