// The built game run as a child process: through pipes, or under a pseudo-terminal.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <termios.h>
#include <vector>

namespace grimstep::testing {

using namespace std::chrono_literals;

/// The program under test, as CMake built it.
inline constexpr const char* PROGRAM = GRIMSTEP_BINARY;

/// How a child ended: its output and its wait status.
struct Finished {
    std::string output;
    int waitStatus = -1;

    [[nodiscard]] bool exitedWith(int code) const;
};

/// How the game's ends of its pipes are handed down.
enum class PipeMode { Blocking, NonBlocking };

/// Starts the program with standard input and output on new pipes, and leaves this side the
/// write end of the one and the read end of the other. The child's number, or -1.
pid_t startThroughPipes(
    const std::vector<std::string>& arguments, int& toChild, int& fromChild, PipeMode mode = PipeMode::Blocking);

/// Runs the program with these arguments, standard input a pipe holding `input` (closed after
/// it), standard output a pipe. Kills it and fails the test if it takes longer than `limit`.
Finished runThroughPipes(
    const std::vector<std::string>& arguments, std::string_view input, std::chrono::milliseconds limit = 10s);

/// How a pseudo-terminal session starts: the terminal's size, and what runs on it.
struct TerminalSetup {
    unsigned short columns = 80;
    unsigned short rows = 50;
    /// A script for /bin/sh -c that starts the program as "$0"; empty to start the program itself.
    /// Initialised, so that g++ lets a designated initializer leave it out without a warning.
    std::string shellScript{};
};

/// The program on the slave side of a pseudo-terminal, driven from the master side.
class TerminalSession {
public:
    explicit TerminalSession(const TerminalSetup& setup = {});
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;
    ~TerminalSession();

    void send(std::string_view keys);
    /// Waits until `text` appears in the output after what earlier expects consumed.
    [[nodiscard]] bool expect(std::string_view text, std::chrono::milliseconds limit = 5s);
    /// The same, and the output from where the last expect stopped up to and including `text`.
    [[nodiscard]] std::optional<std::string> readThrough(std::string_view text, std::chrono::milliseconds limit = 5s);
    /// Gives the terminal a new size, as a terminal window does when it is resized.
    void resize(unsigned short columns, unsigned short rows) const;
    /// The terminal's current modes, as the program set them.
    [[nodiscard]] termios modes() const;
    /// Waits until the terminal's line mode is as asked.
    [[nodiscard]] bool awaitLineMode(bool on, std::chrono::milliseconds limit = 5s) const;
    /// The wait status once the program (or the shell) ended, or nothing if it is still running
    /// after `limit`.
    [[nodiscard]] std::optional<int> waitExit(std::chrono::milliseconds limit = 5s);
    /// Sends a signal to the program; under a shell, to the shell.
    void signal(int number) const;
    /// Output read so far that no expect has consumed.
    [[nodiscard]] std::string unconsumed();
    /// What went on: the output, escaped, and what was sent; for failure messages.
    [[nodiscard]] std::string transcript() const;

private:
    void readAvailable(std::chrono::milliseconds limit);

    int master_ = -1;
    pid_t child_ = -1;
    std::optional<int> status_;
    std::string output_;
    std::size_t consumed_ = 0;
    std::vector<std::string> sent_;
};

/// Line feeds, tabs and other unprintable bytes made visible.
std::string escaped(std::string_view text);

}  // namespace grimstep::testing
