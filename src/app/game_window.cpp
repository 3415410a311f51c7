// The running game's window, found and told through the Windows calls;
// elsewhere no game window is ever found.

#include "app/game_link.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sced {

#ifdef _WIN32

namespace {
// The message that tells the game to read "start.dat"; its parameters say
// which mode to start in.
constexpr UINT kReadStartDat = 0xABCD;

HWND GameWindow() { return FindWindowW(L"VRT_KERNEL", L"Tarvossa"); }
}  // namespace

bool GameLink::GameIsRunning() { return GameWindow() != nullptr; }

void GameLink::TellRunningGame(Mode mode) {
    HWND window = GameWindow();
    if (!window) return;
    WPARAM parameter = mode == Mode::kMapEditor ? 1 : 0;
    SendMessageW(window, kReadStartDat, parameter, static_cast<LPARAM>(parameter));
    ShowWindow(window, SW_RESTORE);
}

#else

// The game is started anew instead.
bool GameLink::GameIsRunning() { return false; }
void GameLink::TellRunningGame(Mode) {}

#endif

}  // namespace sced
