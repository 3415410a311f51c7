#pragma once

#include <string>

#include "skin/cool_button.h"
#include "skin/cool_dialog.h"

class QBoxLayout;
class QColor;
class QLabel;

namespace sced {

// A dialog of the editor: the skinned panel, a content area and the OK and
// Cancel buttons (their texts from the string table at every show). It is
// placed over the main window at every show, so a reused dialog never
// drifts. OK closes only when Refusal() has nothing to say.
class AppDialog : public CoolDialog {
    Q_OBJECT
public:
    explicit AppDialog(QWidget* parent);
    bool ShowModal(std::string_view caption) override;

protected:
    QBoxLayout* content() const { return content_; }
    CoolButton* okButton() const { return ok_; }
    // A dialog that only reports has no Cancel.
    void HideCancel();
    // Why OK cannot close the dialog now; "" when it can.
    virtual std::string Refusal() { return {}; }
    // Called at every show, before the dialog appears.
    virtual void Prepare() {}
    void accept() override;
    // A wrapping label of the dialog in the colour: a caption, or the
    // reason OK is refused.
    QLabel* NewLabel(const QColor& colour, const QString& text = {});

private:
    QBoxLayout* content_;
    CoolButton* ok_;
    CoolButton* cancel_;
};

}  // namespace sced
