#include "bench/child_run.hpp"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace grimstep::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint64_t FNV_OFFSET = 14695981039346656037ULL;
constexpr std::uint64_t FNV_PRIME = 1099511628211ULL;

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what + ": " + std::to_string(errno)); }

/// A pipe whose ends close themselves.
class Pipe {
public:
    Pipe() {
        if (pipe2(ends_.data(), O_CLOEXEC) != 0) {
            fail("pipe");
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        closeReadEnd();
        closeWriteEnd();
    }
    [[nodiscard]] int readEnd() const { return ends_[0]; }
    [[nodiscard]] int writeEnd() const { return ends_[1]; }
    void closeReadEnd() { closeEnd(0); }
    void closeWriteEnd() { closeEnd(1); }

private:
    void closeEnd(std::size_t which) {
        if (ends_[which] >= 0) {
            close(ends_[which]);
            ends_[which] = -1;
        }
    }
    std::array<int, 2> ends_{-1, -1};
};

/// Starts the child with the given standard input and output; the file actions dup2 them in place.
pid_t start(
    const std::string& program,
    const std::vector<std::string>& environment,
    int input,
    int output,
    const std::string* inputPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (inputPath != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath->c_str(), O_RDONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};
    std::vector<char*> variables;
    variables.reserve(environment.size() + 1);
    for (const std::string& variable : environment) {
        variables.push_back(const_cast<char*>(variable.c_str()));
    }
    variables.push_back(nullptr);
    pid_t child = -1;
    const int error = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), variables.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        errno = error;
        fail("cannot start " + program);
    }
    return child;
}

/// Waits for the child; its exit code, or -1 when it did not exit.
int finish(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            fail("waitpid");
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

RunResult runToEnd(
    const std::string& program,
    const std::string& inputPath,
    const std::vector<std::string>& environment,
    bool hashOutput) {
    RunResult result;
    Pipe output;
    const Clock::time_point begin = Clock::now();
    const pid_t child = start(program, environment, -1, output.writeEnd(), &inputPath);
    output.closeWriteEnd();
    static std::array<unsigned char, 1 << 16> buffer;
    std::uint64_t hash = FNV_OFFSET;
    for (;;) {
        const ssize_t count = read(output.readEnd(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        result.outputBytes += static_cast<std::uint64_t>(count);
        if (hashOutput) {
            for (ssize_t i = 0; i < count; ++i) {
                hash = (hash ^ buffer[static_cast<std::size_t>(i)]) * FNV_PRIME;
            }
        }
    }
    result.exitStatus = finish(child);
    result.elapsed = Clock::now() - begin;
    result.outputHash = hashOutput ? hash : 0;
    return result;
}

std::chrono::nanoseconds timeToFirstScreen(const std::string& program, std::size_t firstScreenBytes) {
    Pipe input;
    Pipe output;
    const Clock::time_point begin = Clock::now();
    const pid_t child = start(program, {}, input.readEnd(), output.writeEnd(), nullptr);
    output.closeWriteEnd();
    input.closeReadEnd();
    std::array<char, 1 << 14> buffer{};
    std::size_t received = 0;
    while (received < firstScreenBytes) {
        const ssize_t count = read(output.readEnd(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        received += static_cast<std::size_t>(count);
    }
    const Clock::duration elapsed = Clock::now() - begin;
    input.closeWriteEnd();  // the end of input: the child says farewell and exits
    while (read(output.readEnd(), buffer.data(), buffer.size()) > 0) {
    }
    finish(child);
    if (received < firstScreenBytes) {
        throw std::runtime_error(program + " ended before its first screen was out");
    }
    return elapsed;
}

}  // namespace grimstep::bench
