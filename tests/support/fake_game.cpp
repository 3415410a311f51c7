// A stand-in for the game, named "ketrel.exe" in a test's game folder: it
// notes its working folder and its arguments, one a line, in "started.txt"
// (whole once it is there), and keeps a copy of the mission script it was
// started on as "seen.cms".
//
// Started with "--running" on Windows, it is the game already running
// instead: it opens the game's main window, notes "running.txt" (empty), and
// waits to be told to read "start.dat"; then it notes the message's two
// parameters on a line and the bytes of "start.dat" after it in "told.txt"
// (whole once it is there), and ends.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

void WriteWhole(const fs::path& file, const std::string& text) {
    fs::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << text;
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
}

#ifdef _WIN32
constexpr UINT kReadStartDat = 0xABCD;

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kReadStartDat) return DefWindowProcW(window, message, wParam, lParam);
    std::ifstream in(fs::path("UserMissions") / "start.dat", std::ios::binary);
    std::string told = std::to_string(wParam) + " " + std::to_string(lParam) + "\n";
    told.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    WriteWhole("told.txt", told);
    PostQuitMessage(0);
    return 0;
}

int RunAsRunningGame() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = GameWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VRT_KERNEL";
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(L"VRT_KERNEL", L"Tarvossa", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!window) return 1;
    WriteWhole("running.txt", "");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DestroyWindow(window);
    return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    if (argc == 2 && std::string_view(argv[1]) == "--running") return RunAsRunningGame();
#endif
    std::error_code ec;
    fs::copy_file(fs::path("UserMissions") / "Valley" / "Valley.cms", "seen.cms", fs::copy_options::overwrite_existing,
                  ec);
    std::string started = fs::current_path(ec).string() + '\n';
    for (int i = 1; i < argc; ++i) started += std::string(argv[i]) + '\n';
    WriteWhole("started.txt", started);
    return 0;
}
