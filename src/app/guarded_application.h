#pragma once

#include <QApplication>

namespace sced {

// The application object: the one guard of the program. An error raised
// by any handler shows the error box and ends the editor, so no error
// crosses Qt's event loop.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace sced
