#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_folder.h"

namespace sced::test {

// What a run of sced-cli gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The text as one word of the shell.
std::string Quoted(const std::string& text);

// Runs the program with the arguments, its standard output dropped; its
// exit status.
int RunProgram(const std::vector<std::string>& programAndArguments);

// Runs sced-cli with the arguments (a shell's words) in the folder, the
// scratch folder's "stderr.txt" taking its standard error.
CliRun RunCli(const std::string& args, const TempGameFolder& scratch, const std::filesystem::path& in = {});

}  // namespace sced::test
