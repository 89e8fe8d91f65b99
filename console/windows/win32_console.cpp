#include "console/windows/win32_console.h"

#include <array>

#include "console/windows/win32_last_screen.h"

namespace blockslide {

namespace {

// Code page 437, the OEM code page of the console the games were drawn for
// (a raster font shows the box-drawing characters through it).
constexpr UINT kOemCodePage = 437;
constexpr DWORD kKeysOneAtATime = ENABLE_PROCESSED_INPUT | ENABLE_EXTENDED_FLAGS;
constexpr DWORD kMouseBits = ENABLE_MOUSE_INPUT | ENABLE_QUICK_EDIT_MODE;
// The bell rings where "\a" is written: processed output rings it on
// Windows, and wine passes it on to its terminal only with VT processing.
constexpr DWORD kGameOutputMode = ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING;
constexpr std::size_t kTitleRoom = 1024;
constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Written before g_taken is set and only read after.
struct FoundConsole {
    HANDLE input = nullptr;
    HANDLE output = nullptr;  // the player's buffer, through a handle of its own
    HANDLE screen = nullptr;  // the game's
    DWORD input_mode = 0;
    UINT input_code_page = 0;
    UINT output_code_page = 0;
    std::array<wchar_t, kTitleRoom> title{};  // empty: none to put back
};

FoundConsole g_found;
// 1 while the console is the game's; whoever sets it to 0 puts it back.
volatile LONG g_taken = 0;

bool put_back_as_found() {
    if (InterlockedExchange(&g_taken, 0) == 0) return false;
    // The quick-edit and insert bits are set only with the extended flag.
    SetConsoleMode(g_found.input, g_found.input_mode | ENABLE_EXTENDED_FLAGS);
    SetConsoleCP(g_found.input_code_page);
    SetConsoleOutputCP(g_found.output_code_page);
    // Wine reports no title: setting an empty one would only lose the
    // terminal's own.
    if (g_found.title[0] != L'\0') SetConsoleTitleW(g_found.title.data());
    SetConsoleActiveScreenBuffer(g_found.output);
    return true;
}

// Ctrl-C, Ctrl-Break or the window closing: the console is put back as
// found, then the default handler ends the program.
BOOL WINAPI on_console_control(DWORD) {
    put_back_as_found();
    return FALSE;
}

// false when the control handler has put the console back already.
bool release_console() {
    const bool put_back = put_back_as_found();
    SetConsoleCtrlHandler(on_console_control, FALSE);
    CloseHandle(g_found.screen);
    return put_back;
}

void save_found(HANDLE input, HANDLE output, HANDLE screen, DWORD input_mode) {
    g_found.input = input;
    g_found.output = output;
    g_found.screen = screen;
    g_found.input_mode = input_mode;
    g_found.input_code_page = GetConsoleCP();
    g_found.output_code_page = GetConsoleOutputCP();
    const DWORD length =
        GetConsoleTitleW(g_found.title.data(), static_cast<DWORD>(g_found.title.size()));
    if (length == 0) g_found.title[0] = L'\0';
}

// The buffer the player sees, through a handle of its own (wine's standard
// output follows whichever buffer is active, so it could not make the
// player's active again), and the game's new buffer.
bool open_buffers(HANDLE& output, HANDLE& screen, std::string& problem) {
    output = CreateFileW(L"CONOUT$", kReadWrite, kShared, nullptr, OPEN_EXISTING, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        problem = "cannot open the console's screen buffer";
        return false;
    }
    screen =
        CreateConsoleScreenBuffer(kReadWrite, kShared, nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (screen != INVALID_HANDLE_VALUE) return true;
    CloseHandle(output);
    problem = "cannot make a screen buffer for the game";
    return false;
}

// Buffer and window exactly 80 x 25. The window must always lie inside the
// buffer, so it shrinks to one cell first, then the buffer is sized, then the
// window opens over all of it.
void fit_screen(HANDLE screen) {
    const SMALL_RECT one_cell{0, 0, 0, 0};
    SetConsoleWindowInfo(screen, TRUE, &one_cell);
    SetConsoleScreenBufferSize(screen, COORD{kScreenColumns, kScreenRows});
    const SMALL_RECT whole{0, 0, kScreenColumns - 1, kScreenRows - 1};
    SetConsoleWindowInfo(screen, TRUE, &whole);
}

}  // namespace

DWORD game_input_mode(DWORD found, bool mouse) {
    if (mouse) return kKeysOneAtATime | ENABLE_MOUSE_INPUT | (found & ENABLE_INSERT_MODE);
    return kKeysOneAtATime | (found & (kMouseBits | ENABLE_INSERT_MODE));
}

bool take_console(bool mouse, GameConsole& console, std::string& problem) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD input_mode = 0;
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleMode(input, &input_mode) ||
        !GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
        problem = "standard input and output must be a console window";
        return false;
    }
    if (g_taken != 0) {
        problem = "the console is already open";
        return false;
    }
    HANDLE output = nullptr;
    HANDLE screen = nullptr;
    if (!open_buffers(output, screen, problem)) return false;
    save_found(input, output, screen, input_mode);
    InterlockedExchange(&g_taken, 1);
    SetConsoleCtrlHandler(on_console_control, TRUE);
    if (!SetConsoleActiveScreenBuffer(screen)) {
        release_console();
        CloseHandle(output);
        problem = "cannot show the game's screen buffer";
        return false;
    }
    SetConsoleOutputCP(kOemCodePage);
    SetConsoleCP(kOemCodePage);
    SetConsoleMode(input, game_input_mode(input_mode, mouse));
    SetConsoleMode(screen, kGameOutputMode);
    fit_screen(screen);
    console = GameConsole{input, screen};
    return true;
}

void give_back_console(const ScreenModel* last_screen) {
    FlushConsoleInputBuffer(g_found.input);
    if (release_console() && last_screen != nullptr)
        write_last_screen(g_found.output, *last_screen);
    CloseHandle(g_found.output);
}

}  // namespace blockslide
