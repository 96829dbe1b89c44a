#include "tests/program/child_process.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace grimstep::testing {
namespace {

using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

/// Runs `path` with these arguments in a scrubbed environment: the game must need none.
[[noreturn]] void execScrubbed(const char* path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    char* environment[] = {nullptr};
    execve(path, argv.data(), environment);
    _exit(127);
}

[[noreturn]] void execProgram(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    execScrubbed(PROGRAM, argv);
}

}  // namespace

pid_t startThroughPipes(const std::vector<std::string>& arguments, int& toChild, int& fromChild, PipeMode mode) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        for (const int fd : {in[0], in[1], out[0], out[1]}) {
            close(fd);
        }
        if (mode == PipeMode::NonBlocking) {
            // Each end of a pipe is an open file of its own: this side's ends stay blocking.
            fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
            fcntl(STDOUT_FILENO, F_SETFL, fcntl(STDOUT_FILENO, F_GETFL) | O_NONBLOCK);
        }
        execProgram(arguments);
    }
    close(in[0]);
    close(out[1]);
    toChild = in[1];
    fromChild = out[0];
    return child;
}

bool Finished::exitedWith(int code) const { return WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == code; }

Finished runThroughPipes(
    const std::vector<std::string>& arguments, std::string_view input, std::chrono::milliseconds limit) {
    int writeEnd = -1;
    int readEnd = -1;
    const pid_t child = startThroughPipes(arguments, writeEnd, readEnd);
    if (child < 0) {
        ADD_FAILURE() << "no pipes";
        return {};
    }
    signal(SIGPIPE, SIG_IGN);  // the child may end before it has read everything

    Finished finished;
    const auto deadline = Clock::now() + limit;
    if (input.empty()) {
        close(writeEnd);
        writeEnd = -1;
    }
    // Writes and reads at once, so neither side can block the other on a full pipe.
    for (;;) {
        std::array<pollfd, 2> fds{{{readEnd, POLLIN, 0}, {writeEnd, POLLOUT, 0}}};
        if (poll(fds.data(), writeEnd >= 0 ? 2 : 1, millisecondsLeft(deadline)) <= 0) {
            ADD_FAILURE() << "the program did not finish in time; output so far:\n" << escaped(finished.output);
            kill(child, SIGKILL);
            break;
        }
        if (writeEnd >= 0 && fds[1].revents != 0) {
            const ssize_t written = write(writeEnd, input.data(), input.size());
            if (written > 0) {
                input.remove_prefix(static_cast<std::size_t>(written));
            }
            if (written < 0 || input.empty()) {
                close(writeEnd);
                writeEnd = -1;
            }
        }
        if (fds[0].revents != 0) {
            std::array<char, 65536> buffer;
            const ssize_t count = read(readEnd, buffer.data(), buffer.size());
            if (count <= 0) {
                break;
            }
            finished.output.append(buffer.data(), static_cast<std::size_t>(count));
        }
    }
    if (writeEnd >= 0) {
        close(writeEnd);
    }
    close(readEnd);
    waitpid(child, &finished.waitStatus, 0);
    return finished;
}

TerminalSession::TerminalSession(const TerminalSetup& setup) {
    winsize size{};
    size.ws_row = setup.rows;
    size.ws_col = setup.columns;
    child_ = forkpty(&master_, nullptr, nullptr, &size);
    if (child_ == 0) {
        // SIGQUIT ends the game with a core dump: none into the build folder.
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        if (setup.shellScript.empty()) {
            execProgram({});
        }
        execScrubbed("/bin/sh", {"sh", "-c", setup.shellScript, PROGRAM});
    }
    if (child_ < 0) {
        ADD_FAILURE() << "forkpty failed";
    }
}

TerminalSession::~TerminalSession() {
    if (child_ > 0 && !status_) {
        kill(-child_, SIGKILL);  // the whole group: a shell's game as well
        waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) {
        close(master_);
    }
}

void TerminalSession::send(std::string_view keys) {
    sent_.emplace_back(keys);
    while (!keys.empty()) {
        const ssize_t written = write(master_, keys.data(), keys.size());
        if (written <= 0) {
            return;
        }
        keys.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TerminalSession::readAvailable(std::chrono::milliseconds limit) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(limit.count())) <= 0) {
        return;
    }
    std::array<char, 65536> buffer;
    const ssize_t count = read(master_, buffer.data(), buffer.size());
    if (count > 0) {  // EIO once the program has gone: the end of its output
        output_.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

bool TerminalSession::expect(std::string_view text, std::chrono::milliseconds limit) {
    return readThrough(text, limit).has_value();
}

std::optional<std::string> TerminalSession::readThrough(std::string_view text, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        const auto found = output_.find(text, consumed_);
        if (found != std::string::npos) {
            const std::size_t start = consumed_;
            consumed_ = found + text.size();
            return output_.substr(start, consumed_ - start);
        }
        if (Clock::now() >= deadline) {
            ADD_FAILURE() << "waited for: " << escaped(text) << "\n" << transcript();
            return std::nullopt;
        }
        readAvailable(std::chrono::milliseconds(std::min(50, millisecondsLeft(deadline) + 1)));
    }
}

void TerminalSession::resize(unsigned short columns, unsigned short rows) const {
    winsize size{};
    size.ws_row = rows;
    size.ws_col = columns;
    if (ioctl(master_, TIOCSWINSZ, &size) != 0) {
        ADD_FAILURE() << "the terminal could not be resized";
    }
}

termios TerminalSession::modes() const {
    termios modes{};
    tcgetattr(master_, &modes);
    return modes;
}

bool TerminalSession::awaitLineMode(bool on, std::chrono::milliseconds limit) const {
    const auto deadline = Clock::now() + limit;
    while (((modes().c_lflag & ICANON) != 0) != on) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::optional<int> TerminalSession::waitExit(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!status_) {
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            status_ = status;
            break;
        }
        if (Clock::now() >= deadline) {
            break;
        }
        readAvailable(10ms);  // keep draining, so the program never blocks on a full terminal
    }
    return status_;
}

void TerminalSession::signal(int number) const { kill(child_, number); }

std::string TerminalSession::unconsumed() {
    readAvailable(100ms);
    return output_.substr(consumed_);
}

std::string TerminalSession::transcript() const {
    std::string text = "output: " + escaped(output_) + "\nsent:";
    for (const auto& keys : sent_) {
        text += " [" + escaped(keys) + "]";
    }
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c >= ' ' && c <= '~') {
                    out += c;
                } else {
                    std::array<char, 8> hex{};
                    std::snprintf(hex.data(), hex.size(), "\\x%02x", static_cast<unsigned char>(c));
                    out += hex.data();
                }
        }
    }
    return out;
}

}  // namespace grimstep::testing
