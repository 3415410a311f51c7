#include "app/game_link.h"

#include <QProcess>
#include <QStandardPaths>

#include "core/path_text.h"
#include "files/game_launch.h"
#include "skin/qt_text.h"

namespace sced {

namespace fs = std::filesystem;

std::string GameLink::Start(Mode mode, const fs::path& program, const std::vector<std::string>& arguments,
                            const fs::path& folder) {
    const std::string cannot = mode == Mode::kMapEditor ? "The map editor cannot be started: "
                                                        : "The game cannot be started: ";
    std::error_code error;
    if (!fs::is_regular_file(program, error))
        return cannot + "there is no " + TextOfPath(program.filename()) + " in the game folder " + TextOfPath(folder) +
               ".";
    QString executable = PathToQt(program);
    QStringList list;
#ifndef _WIN32
    if (IsWindowsProgram(program)) {
        QString wine = QStandardPaths::findExecutable("wine");
        if (wine.isEmpty())
            return cannot + TextOfPath(program) +
                   " is a Windows program and there is no wine on the PATH to run it.";
        list.append(executable);
        executable = wine;
    }
#endif
    for (const std::string& argument : arguments) list.append(ToQt(argument));
    QProcess process;
    process.setProgram(executable);
    process.setArguments(list);
    process.setWorkingDirectory(PathToQt(folder));
    if (!process.startDetached())
        return cannot + TextOfPath(program) + " did not start (" +
               FromQt(process.errorString()).value_or("no reason given") + ").";
    return "";
}

}  // namespace sced
