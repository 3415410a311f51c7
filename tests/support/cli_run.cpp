#include "support/cli_run.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game_path.h"

namespace sced::test {

namespace {

#ifdef _WIN32
// The words of a command line written for the POSIX shell, as the tests
// write them: blanks part words, single quotes keep all, double quotes and a
// backslash outside quotes keep the next character.
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::exchange(word, {}));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            while (++i < line.size() && line[i] != '\'') word += line[i];
        } else if (c == '"') {
            while (++i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size() && std::string_view("\"\\$`").find(line[i + 1]) != std::string_view::npos) ++i;
                word += line[i];
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// The word as the C runtime's argument parser reads it back.
std::string WindowsQuoted(const std::string& word) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}
#endif

}  // namespace

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int RunProgram(const std::vector<std::string>& programAndArguments) {
    std::string line;
#ifdef _WIN32
    for (const std::string& word : programAndArguments) line += WindowsQuoted(word) + " ";
    // cmd.exe takes the outer quotes off.
    return std::system(("\"" + line + "> NUL\"").c_str());
#else
    for (const std::string& word : programAndArguments) line += Quoted(word) + " ";
    int status = std::system((line + "> /dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

CliRun RunCli(const std::string& args, const TempGameFolder& scratch, const std::filesystem::path& in) {
    const std::filesystem::path errPath = scratch.File("stderr.txt");
    const std::string errFile = errPath.string();
    CliRun run;
#ifdef _WIN32
    // cmd.exe runs it: the words again, quoted its way, and the whole line
    // in quotes of its own, which cmd takes off.
    std::string line = (in.empty() ? "" : "cd /d " + WindowsQuoted(in.string()) + " && ") + WindowsQuoted(SCED_CLI);
    for (const std::string& word : ShellWords(args)) line += " " + WindowsQuoted(word);
    line = "\"" + line + " 2>" + WindowsQuoted(errFile) + "\"";
    // The words are UTF-8; the narrow _popen would pass them through the
    // system's code page, which may not hold a Cyrillic name.
    const std::u8string utf8(line.begin(), line.end());
    FILE* pipe = _wpopen(std::filesystem::path(utf8).c_str(), L"rb");
#else
    std::string command = (in.empty() ? "" : "cd " + Quoted(in.string()) + " && ") + Quoted(SCED_CLI) + " " + args +
                          " 2>" + Quoted(errFile);
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
#ifdef _WIN32
    run.status = _pclose(pipe);
#else
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    run.err = ReadWholeFile(errPath).value_or("");
    return run;
}

}  // namespace sced::test
