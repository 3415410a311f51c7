#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace sced {

// The application object: the one guard of the program. An error raised
// by any handler shows the error box and ends the editor, so no error
// crosses Qt's event loop.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // What runs before the error box: keeps what can be kept of the
    // designer's work, and says so in the box when it returns true.
    void SetBeforeEnd(std::function<bool()> keepWork) { keepWork_ = std::move(keepWork); }

private:
    [[noreturn]] void End(const std::string& text);
    std::function<bool()> keepWork_;
};

}  // namespace sced
