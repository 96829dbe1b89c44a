#include "app/platform_console.hpp"
#include "engine/input_buffer.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <windows.h>

namespace grimstep {
namespace {

/// Ctrl-Z: at the start of a line it ends the input, as the C runtime's text mode has it on
/// Windows for consoles, files and pipes alike (and as Ctrl-D does at a POSIX terminal).
constexpr unsigned char END_OF_INPUT_MARK = 0x1A;

/// Keys that are no keypress on their own: the modifiers and the locks.
constexpr std::array<WORD, 8> NOT_KEYS_ALONE = {
    VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

/// The console's input mode from before the wait. Plain data and an atomic flag, so that the
/// handler of Ctrl-Break, which runs on a thread of its own, can restore it safely.
struct SavedMode {
    HANDLE input;
    DWORD mode;
};
SavedMode savedMode;
std::atomic<bool> modeChanged{false};

void restoreInputMode() {
    if (modeChanged.exchange(false)) {
        SetConsoleMode(savedMode.input, savedMode.mode);
    }
}

/// Ctrl-Break or closing the window during the wait: the console's mode is restored, then the
/// default handler ends the program as it would have.
BOOL WINAPI restoreOnEnding(DWORD /*event*/) {
    restoreInputMode();
    return FALSE;
}

bool isKeyOfItsOwn(const KEY_EVENT_RECORD& key) {
    return key.bKeyDown != FALSE &&
           std::find(NOT_KEYS_ALONE.begin(), NOT_KEYS_ALONE.end(), key.wVirtualKeyCode) == NOT_KEYS_ALONE.end();
}

/// Reads the console's input records until a key goes down; mouse, focus and size events and
/// keys let go pass by. Returns early only if the console cannot be read.
void awaitKey(HANDLE input) {
    INPUT_RECORD record{};
    DWORD count = 0;
    while (ReadConsoleInputW(input, &record, 1, &count) != FALSE && count == 1) {
        if (record.EventType == KEY_EVENT && isKeyOfItsOwn(record.Event.KeyEvent)) {
            return;
        }
    }
}

/// Standard output and input through their handles, and the console for the final keypress. The
/// only code of the game that knows about Windows.
class WindowsConsole final : public Console {
public:
    /// The bytes exactly as given, line feeds alone included: WriteFile adds no carriage returns.
    bool write(std::string_view bytes) override;
    int readByte() override;
    /// One key from the console, line mode and echo off, its mode restored afterwards; at once
    /// when standard input is no console (a pipe, a file, NUL).
    void waitForKey() override;
    /// The console window's width, read anew for every screen; unlimited when standard output is
    /// no console, so that pipes and files get the bytes exactly.
    std::size_t columns() override;

private:
    // Decided once. Either handle may be missing: GetStdHandle gives null or invalid, and every
    // call on it fails, which ends the input or the game as a closed descriptor does on POSIX.
    HANDLE output_ = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE input_ = GetStdHandle(STD_INPUT_HANDLE);
    bool outputIsConsole_ = [this] {
        DWORD mode = 0;
        return GetConsoleMode(output_, &mode) != FALSE;  // the Windows isatty
    }();
    InputBuffer inputBuffer_;
    bool atLineStart_ = true;
};

bool WindowsConsole::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), MAXDWORD));
        DWORD written = 0;
        // A pipe whose reader went away fails (ERROR_NO_DATA, ERROR_BROKEN_PIPE): Windows has no
        // SIGPIPE, so this is how the game learns of it. Nothing written is a failure too, never
        // a reason to try again.
        if (WriteFile(output_, bytes.data(), size, &written, nullptr) == FALSE || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

int WindowsConsole::readByte() {
    const int byte = inputBuffer_.next([this](char* room, std::size_t size) -> std::size_t {
        // A console gives one typed line at a time, ending in CR LF. A pipe whose writer has gone
        // fails with ERROR_BROKEN_PIPE; a file at its end reads nothing. Both end the input.
        DWORD count = 0;
        const bool read = ReadFile(input_, room, static_cast<DWORD>(size), &count, nullptr) != FALSE;
        return read ? count : 0;
    });
    if (byte == END_OF_INPUT_MARK && atLineStart_) {
        inputBuffer_.end();
        return END_OF_INPUT;
    }
    atLineStart_ = byte == '\n';
    return byte;
}

void WindowsConsole::waitForKey() {
    DWORD mode = 0;
    if (GetConsoleMode(input_, &mode) == FALSE) {
        return;  // no console to wait at
    }
    savedMode = {input_, mode};
    modeChanged = true;
    SetConsoleCtrlHandler(restoreOnEnding, TRUE);
    // Line mode and echo off, and Ctrl-C read as a key, as at a POSIX terminal in the wait: every
    // key a player can press ends it. Ctrl-Break and closing the window still end the program.
    SetConsoleMode(input_, mode & ~static_cast<DWORD>(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT));
    // The rest of the last line is in inputBuffer_ and ignored; keys typed ahead are dropped here.
    FlushConsoleInputBuffer(input_);
    awaitKey(input_);
    restoreInputMode();
    FlushConsoleInputBuffer(input_);  // the key's release, which the shell need not see
    SetConsoleCtrlHandler(restoreOnEnding, FALSE);
}

std::size_t WindowsConsole::columns() {
    CONSOLE_SCREEN_BUFFER_INFO screen{};
    if (!outputIsConsole_ || GetConsoleScreenBufferInfo(output_, &screen) == FALSE) {
        return UNLIMITED_COLUMNS;
    }
    // The console moves to the next row as soon as a row's last column is written, so a line that
    // filled the row would be followed by an empty one: the game keeps clear of the last column.
    const int width = screen.srWindow.Right - screen.srWindow.Left + 1;
    return width > 1 ? static_cast<std::size_t>(width - 1) : UNLIMITED_COLUMNS;
}

}  // namespace

Console& platformConsole() {
    static WindowsConsole console;
    return console;
}

}  // namespace grimstep
