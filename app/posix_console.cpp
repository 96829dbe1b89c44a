#include "app/platform_console.hpp"
#include "engine/input_buffer.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

namespace grimstep {
namespace {

// Sent from outside during the wait; the terminal's own keys for them are plain keys then.
constexpr std::array<int, 4> ENDING_SIGNALS = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The terminal's settings from before the wait. Plain data, so restoring them is safe from
// atexit and needs no constructor.
struct SavedTerminal {
    termios settings;
    bool changed;
};
SavedTerminal savedTerminal;
volatile std::sig_atomic_t endingSignal = 0;

void restoreTerminal() {
    if (savedTerminal.changed) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal.settings);  // also drops the rest of the key
        savedTerminal.changed = false;
    }
}

extern "C" void recordSignal(int signal) { endingSignal = signal; }

/// Catches the signals that end a wait, so that the terminal is restored before they act.
class SignalGuard {
public:
    SignalGuard() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : ENDING_SIGNALS) {
            sigaddset(&ending, signal);
        }
        // Held back except while waiting in pselect, so none can slip in before the wait begins.
        sigprocmask(SIG_BLOCK, &ending, &unblocked_);
        struct sigaction catcher {};
        catcher.sa_handler = recordSignal;
        sigemptyset(&catcher.sa_mask);
        for (std::size_t i = 0; i < ENDING_SIGNALS.size(); ++i) {
            sigaction(ENDING_SIGNALS[i], &catcher, &previous_[i]);
        }
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

    /// Restores the old handlers, then lets a caught signal act as it would have.
    ~SignalGuard() {
        for (std::size_t i = 0; i < ENDING_SIGNALS.size(); ++i) {
            sigaction(ENDING_SIGNALS[i], &previous_[i], nullptr);
        }
        if (endingSignal != 0) {
            restoreTerminal();
            raise(endingSignal);  // pending until unblocked below; ends the program
        }
        sigprocmask(SIG_SETMASK, &unblocked_, nullptr);
    }

    [[nodiscard]] const sigset_t& waitMask() const { return unblocked_; }

private:
    sigset_t unblocked_{};
    std::array<struct sigaction, ENDING_SIGNALS.size()> previous_{};
};

/// Waits until a descriptor handed down non-blocking is ready for `events`; false when waiting
/// fails. Ready includes hung up or broken, which the next read or write then reports.
bool awaitReady(int descriptor, short events) {
    pollfd watched{descriptor, events, 0};
    for (;;) {
        const int ready = poll(&watched, 1, -1);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

bool wouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }

/// Waits until standard input has a byte or an ending signal arrives; true for a byte.
bool waitForInput(const sigset_t& waitMask) {
    while (endingSignal == 0) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(STDIN_FILENO, &readable);
        const int ready = pselect(STDIN_FILENO + 1, &readable, nullptr, nullptr, nullptr, &waitMask);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
    return false;
}

/// Standard output, standard input, and the terminal for the final keypress. The only code of the
/// game that knows about terminals and signals.
class TerminalConsole final : public Console {
public:
    bool write(std::string_view bytes) override;
    int readByte() override;
    /// One key from the terminal with line mode, echo, signal keys and flow control off, so that
    /// any key counts; the terminal restored afterwards. At once when standard input is no
    /// terminal (a pipe, a file, /dev/null).
    void waitForKey() override;
    /// The terminal's width, read anew for every screen so that resizing works; unlimited when
    /// standard output is no terminal, so that pipes and files get the bytes exactly.
    std::size_t columns() override;

private:
    /// Decided once: whether standard output is a terminal at all.
    bool outputIsTerminal_ = isatty(STDOUT_FILENO) != 0;
    InputBuffer input_;
};

bool TerminalConsole::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && wouldBlock() && awaitReady(STDOUT_FILENO, POLLOUT)) {
            continue;  // a full pipe or terminal: wait for room, not in a busy loop
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int TerminalConsole::readByte() {
    return input_.next([](char* room, std::size_t size) -> std::size_t {
        for (;;) {
            const ssize_t count = ::read(STDIN_FILENO, room, size);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0 && wouldBlock() && awaitReady(STDIN_FILENO, POLLIN)) {
                continue;  // nothing typed yet is not the end of the input
            }
            return count > 0 ? static_cast<std::size_t>(count) : 0;  // an error ends it too
        }
    });
}

void TerminalConsole::waitForKey() {
    termios settings{};
    if (isatty(STDIN_FILENO) == 0 || tcgetattr(STDIN_FILENO, &settings) != 0) {
        return;  // no terminal to wait at
    }
    static bool restoreRegistered = false;
    if (!restoreRegistered) {
        std::atexit(restoreTerminal);  // a backup, should the program end some other way
        restoreRegistered = true;
    }
    const SignalGuard guard;
    savedTerminal = {settings, true};
    termios oneKey = settings;
    // Every key ends the wait, as a console's one-key read does: the signal keys (Ctrl-C, Ctrl-\,
    // Ctrl-Z) would otherwise end or stop the game with the terminal out of line mode, and Ctrl-S
    // would stop the terminal's output, for the shell as well once the game has gone. IEXTEN off
    // too: some systems keep Ctrl-V and Ctrl-O special outside line mode.
    oneKey.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
    oneKey.c_iflag &= ~static_cast<tcflag_t>(IXON);
    oneKey.c_cc[VMIN] = 1;
    oneKey.c_cc[VTIME] = 0;
    // TCSAFLUSH drops keys typed ahead; what this program already read is in input_ and ignored.
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &oneKey);
    if (waitForInput(guard.waitMask())) {
        char key = 0;
        static_cast<void>(::read(STDIN_FILENO, &key, 1));
    }
    restoreTerminal();
}

std::size_t TerminalConsole::columns() {
    winsize size{};
    if (!outputIsTerminal_ || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) {
        return UNLIMITED_COLUMNS;
    }
    return size.ws_col;  // 0 where the terminal does not say: unlimited as well
}

}  // namespace

Console& platformConsole() {
    static TerminalConsole console;
    return console;
}

}  // namespace grimstep
