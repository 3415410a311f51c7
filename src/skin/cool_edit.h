#pragma once

#include <QLineEdit>

#include "controls/control.h"

namespace sced {

// A one-line edit field in the skin's colours. A character that code page
// 1251 cannot hold is refused as it is typed or pasted, so the text always
// converts back.
class CoolEdit : public QLineEdit, public Edit {
    Q_OBJECT
public:
    explicit CoolEdit(QWidget* parent = nullptr);

protected:
    void Refresh() override;
};

}  // namespace sced
