// The built game through pipes, as a script or another program would drive it.
#include "engine/game_session.hpp"
#include "tests/program/child_process.hpp"
#include "story/story.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace grimstep::testing {
namespace {

const std::string FAREWELL(FAREWELL_PROMPT);

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

TEST(ThroughPipes, EndOfInputIsAQuit) {
    const auto finished = runThroughPipes({}, "");
    EXPECT_EQ(finished.output, screenOf(1) + FAREWELL);
    EXPECT_TRUE(finished.exitedWith(0));
}

TEST(ThroughPipes, EachScreenIsOutBeforeTheGameWaits) {
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(fromChild), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        for (const int unused : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) {
            close(unused);
        }
        execl(PROGRAM, PROGRAM, nullptr);
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    // The input stays open and empty: the whole first screen must still arrive.
    std::string output;
    const std::string first = screenOf(1);
    pollfd fd{fromChild[0], POLLIN, 0};
    while (output.size() < first.size() && poll(&fd, 1, 5000) > 0) {
        char buffer[4096];
        const ssize_t count = read(fromChild[0], buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(count));
    }
    EXPECT_EQ(output, first);
    close(toChild[1]);
    close(fromChild[0]);
    int status = 0;
    waitpid(child, &status, 0);
}

TEST(ThroughPipes, EndsWhenOutputCannotBeWritten) {
    for (const bool readerGone : {false, true}) {
        int fromChild[2];
        ASSERT_EQ(pipe(fromChild), 0);
        const pid_t child = fork();
        if (child == 0) {
            // Replies enough for an endless game, if it would not stop.
            const int input = open("/dev/zero", O_RDONLY);
            dup2(input, STDIN_FILENO);
            if (readerGone) {
                dup2(fromChild[1], STDOUT_FILENO);
            } else {
                close(STDOUT_FILENO);
            }
            close(fromChild[0]);
            close(fromChild[1]);
            execl(PROGRAM, PROGRAM, nullptr);
            _exit(127);
        }
        close(fromChild[0]);
        close(fromChild[1]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (readerGone) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == GameSession::OUTPUT_FAILED) << status;
        }
    }
}

}  // namespace
}  // namespace grimstep::testing
