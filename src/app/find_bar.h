#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace sced {

class CoolEdit;

// The search field above the tree and the count of what it found. While the
// field has the focus every key without Ctrl or Alt is its own, except the
// function keys: Enter finds the next match, Shift+Enter the previous one,
// Escape closes the bar.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with its text selected and the focus in the field.
    void Open();
    // The count of matches ("" hides it).
    void SetFound(const QString& text);
    CoolEdit* field() const { return field_; }
    std::string text() const;

signals:
    void TextChanged();
    void Next();
    void Previous();
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoolEdit* field_;
    QLabel* found_;
};

}  // namespace sced
