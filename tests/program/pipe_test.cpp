// The built game through pipes, as a script or another program would drive it.
#include "engine/game_session.hpp"
#include "story/story.hpp"
#include "tests/program/child_process.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <ostream>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace grimstep::testing {
namespace {

// The game's own words, spelled out here so the built program is held to them to the byte.
const std::string FAREWELL = "Press any key to save yourself.\n";
const std::string COMPLAINT = "That's not how it works!\n";

TEST(ThroughPipes, PlaysTheOpeningAndQuitsFromTheTitleScreen) {
    const auto finished = runThroughPipes({}, "1\n1\n3\n");
    EXPECT_EQ(finished.output, screenOf(1) + screenOf(2) + screenOf(3) + FAREWELL);
    EXPECT_TRUE(finished.exitedWith(0));
}

TEST(ThroughPipes, IgnoresArguments) {
    const auto plain = runThroughPipes({}, "1 1 2 x\n1 1 3\n");
    const auto withArguments = runThroughPipes({"--help", "-v", "3"}, "1 1 2 x\n1 1 3\n");
    EXPECT_EQ(withArguments.output, plain.output);
    EXPECT_TRUE(withArguments.exitedWith(0));
    EXPECT_EQ(readOutput(story::storyTable(), plain.output)->shown, (std::vector<std::int32_t>{1, 2, 3, 4, 4, 5, 3}));
}

TEST(ThroughPipes, AnswersAnInvalidReplyWithTheComplaintAndTheSameScreen) {
    const auto finished = runThroughPipes({}, "4\n");
    EXPECT_EQ(finished.output, screenOf(1) + COMPLAINT + screenOf(1) + FAREWELL);
    EXPECT_TRUE(finished.exitedWith(0));
}

TEST(ThroughPipes, EndOfInputIsAQuit) {
    const auto finished = runThroughPipes({}, "");
    EXPECT_EQ(finished.output, screenOf(1) + FAREWELL);
    EXPECT_TRUE(finished.exitedWith(0));
}

TEST(ThroughPipes, EachScreenIsOutBeforeTheGameWaits) {
    int toChild = -1;
    int fromChild = -1;
    const pid_t child = startThroughPipes({}, toChild, fromChild);
    ASSERT_GT(child, 0);
    // The input stays open and empty: the whole first screen must still arrive.
    std::string output;
    const std::string first = screenOf(1);
    pollfd fd{fromChild, POLLIN, 0};
    while (output.size() < first.size() && poll(&fd, 1, 5000) > 0) {
        char buffer[4096];
        const ssize_t count = read(fromChild, buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(count));
    }
    EXPECT_EQ(output, first);
    close(toChild);
    close(fromChild);
    int status = 0;
    waitpid(child, &status, 0);
}

/// A way standard output cannot be written, and how the game must end then.
struct UnwritableOutput {
    const char* name;
    bool readerGone;          ///< a pipe whose reader went away, else standard output closed
    bool pipeSignalIgnored;   ///< SIGPIPE ignored, as a parent may hand it down
    bool killedByPipeSignal;  ///< else the game exits with GameSession::OUTPUT_FAILED
};

void PrintTo(const UnwritableOutput& output, std::ostream* out) { *out << output.name; }

class EndsWhenOutputCannotBeWritten : public ::testing::TestWithParam<UnwritableOutput> {};

TEST_P(EndsWhenOutputCannotBeWritten, AtOnce) {
    const UnwritableOutput& output = GetParam();
    int fromChild[2];
    ASSERT_EQ(pipe(fromChild), 0);
    // The reader goes away before the game starts, so not even its first screen can be written.
    close(fromChild[0]);
    const pid_t child = fork();
    if (child == 0) {
        // Replies enough for an endless game, if it would not stop.
        const int input = open("/dev/zero", O_RDONLY);
        dup2(input, STDIN_FILENO);
        if (output.readerGone) {
            dup2(fromChild[1], STDOUT_FILENO);
        } else {
            close(STDOUT_FILENO);
        }
        close(fromChild[1]);
        signal(SIGPIPE, output.pipeSignalIgnored ? SIG_IGN : SIG_DFL);  // both survive exec
        alarm(10);  // a game that went on trying would die of SIGALRM
        execl(PROGRAM, PROGRAM, nullptr);
        _exit(127);
    }
    close(fromChild[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (output.killedByPipeSignal) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
    } else {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == GameSession::OUTPUT_FAILED) << status;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThroughPipes,
    EndsWhenOutputCannotBeWritten,
    ::testing::Values(
        UnwritableOutput{"closed", false, false, false},
        UnwritableOutput{"reader_gone", true, false, true},
        UnwritableOutput{"reader_gone_signal_ignored", true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Descriptors handed down non-blocking: an empty input or a full output means wait, never the end.
TEST(ThroughPipes, WaitsOnNonBlockingPipes) {
    int toChild = -1;
    int fromChild = -1;
    const pid_t child = startThroughPipes({}, toChild, fromChild, PipeMode::NonBlocking);
    ASSERT_GT(child, 0);
    signal(SIGPIPE, SIG_IGN);  // a game that ended too soon shows in what it printed, below
    // First nothing to read; then more screens than the output pipe holds, unread for a while.
    std::string blankOptions;
    for (int i = 0; i < 1000; ++i) {
        blankOptions += "2\n";
    }
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(write(toChild, blankOptions.data(), blankOptions.size()), static_cast<ssize_t>(blankOptions.size()));
    std::this_thread::sleep_for(200ms);
    const std::string quit = "1 1 3\n";
    EXPECT_EQ(write(toChild, quit.data(), quit.size()), static_cast<ssize_t>(quit.size()));
    close(toChild);

    std::string output;
    pollfd fd{fromChild, POLLIN, 0};
    while (poll(&fd, 1, 10'000) > 0) {
        std::array<char, 65536> buffer;
        const ssize_t count = read(fromChild, buffer.data(), buffer.size());
        if (count <= 0) {
            break;
        }
        output.append(buffer.data(), static_cast<std::size_t>(count));
    }
    close(fromChild);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::vector<std::int32_t> expected(1001, 1);
    expected.insert(expected.end(), {2, 3});
    const auto reading = readOutput(story::storyTable(), output);
    ASSERT_TRUE(reading.has_value()) << output.size() << " bytes that are no whole screens";
    EXPECT_EQ(reading->shown, expected);
    EXPECT_TRUE(reading->farewell);
}

}  // namespace
}  // namespace grimstep::testing
