#include "app/game_link.h"

#include <QProcess>
#include <QStandardPaths>

#include "core/editor_texts.h"
#include "core/path_text.h"
#include "files/game_launch.h"
#include "skin/qt_text.h"

namespace sced {

namespace fs = std::filesystem;

std::string GameLink::Start(Mode mode, const fs::path& program, const std::vector<std::string>& arguments,
                            const fs::path& folder) {
    auto cannot = [mode](const std::string& why) {
        return Say(mode == Mode::kMapEditor ? text::kMapEditorNotStarted : text::kGameNotStarted, {why});
    };
    std::error_code error;
    if (!fs::is_regular_file(program, error))
        return cannot(Say(text::kNoProgram, {TextOfPath(program.filename()), TextOfPath(folder)}));
    QString executable = PathToQt(program);
    QStringList list;
#ifndef _WIN32
    if (IsWindowsProgram(program)) {
        QString wine = QStandardPaths::findExecutable("wine");
        if (wine.isEmpty())
            return cannot(Say(text::kNoWine, {TextOfPath(program)}));
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
        return cannot(Say(text::kDidNotStart, {TextOfPath(program), FromQt(process.errorString()).value_or("")}));
    return "";
}

}  // namespace sced
