// A stand-in for the game, named "ketrel.exe" in a test's game folder: it
// notes its working folder and its arguments, one a line, in "started.txt"
// (whole once it is there), and keeps a copy of the mission script it was
// started on as "seen.cms".

#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::copy_file(fs::path("UserMissions") / "Valley" / "Valley.cms", "seen.cms", fs::copy_options::overwrite_existing,
                  ec);
    {
        std::ofstream out("started.tmp", std::ios::binary);
        out << fs::current_path(ec).string() << '\n';
        for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
    }
    fs::rename("started.tmp", "started.txt", ec);
    return 0;
}
