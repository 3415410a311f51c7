#pragma once

#include <QDialog>

#include "controls/control.h"

namespace sced {

// Every dialog of the editor: the captioned panel with the window title
// on its plate. Escape cancels.
class CoolDialog : public QDialog, public Dialog {
    Q_OBJECT
public:
    explicit CoolDialog(QWidget* parent = nullptr);

    // Shows the dialog modally with the caption; whether it was accepted.
    bool ShowModal(std::string_view caption) override;

    // Where the dialog's controls sit clear of the frame and the plate.
    static QMargins ContentMargins();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sced
