// The built game under a real pseudo-terminal: the final keypress and the terminal's modes.
#include "tests/program/child_process.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>

namespace grimstep::testing {
namespace {

bool lineModeAndEchoOn(const termios& modes) { return (modes.c_lflag & ICANON) != 0 && (modes.c_lflag & ECHO) != 0; }

/// Plays to the title screen, quits there with "3 5", and waits for the farewell.
void quitFromTheTitleScreen(TerminalSession& game) {
    ASSERT_TRUE(game.expect("1. Not again..."));
    game.send("1\n");
    ASSERT_TRUE(game.expect("1. ..."));
    game.send("1\n");
    ASSERT_TRUE(game.expect("3. Ew! End it!"));
    game.send("3 5\n");
    ASSERT_TRUE(game.expect("Press any key to save yourself."));
    ASSERT_TRUE(game.awaitLineMode(false)) << game.transcript();
    EXPECT_EQ(game.modes().c_lflag & ECHO, 0U);
}

TEST(UnderATerminal, OneKeyWithoutEnterEndsTheGame) {
    TerminalSession game;
    quitFromTheTitleScreen(game);
    // The 5 left on the typed line does not count as the key.
    EXPECT_FALSE(game.waitExit(300ms).has_value()) << game.transcript();
    game.send("k");
    const auto status = game.waitExit();
    ASSERT_TRUE(status.has_value()) << game.transcript();
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    EXPECT_EQ(game.unconsumed().find('k'), std::string::npos) << "the key was echoed";
    EXPECT_TRUE(lineModeAndEchoOn(game.modes()));
}

class EndedBySignal : public ::testing::TestWithParam<int> {};

TEST_P(EndedBySignal, LeavesTheTerminalAsItWas) {
    TerminalSession game;
    quitFromTheTitleScreen(game);
    game.signal(GetParam());
    const auto status = game.waitExit();
    ASSERT_TRUE(status.has_value()) << game.transcript();
    // The signal ends the program as it would have: the shell reports 128 plus its number.
    EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == GetParam()) << *status;
    EXPECT_TRUE(lineModeAndEchoOn(game.modes()));
}

INSTANTIATE_TEST_SUITE_P(
    UnderATerminal, EndedBySignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP), [](const auto& info) {
        return std::string(sigabbrev_np(info.param));
    });

}  // namespace
}  // namespace grimstep::testing
