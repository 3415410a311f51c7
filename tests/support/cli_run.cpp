#include "support/cli_run.h"

#include <sys/wait.h>

#include <cstdio>

#include "core/game_path.h"

namespace sced::test {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun RunCli(const std::string& args, const TempGameFolder& scratch, const std::filesystem::path& in) {
    std::string errFile = scratch.File("stderr.txt").string();
    std::string command = (in.empty() ? "" : "cd " + Quoted(in.string()) + " && ") + Quoted(SCED_CLI) + " " + args +
                          " 2>" + Quoted(errFile);
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errFile).value_or("");
    return run;
}

}  // namespace sced::test
