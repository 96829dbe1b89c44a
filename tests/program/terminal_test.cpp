// The built game under a real pseudo-terminal: the final keypress and the terminal's modes.
#include "tests/program/child_process.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <ostream>
#include <string>
#include <sys/wait.h>

namespace grimstep::testing {
namespace {

/// The terminal's modes before the game touches them, checked to be the ones the wait changes.
termios modesAtStart(const TerminalSession& game) {
    const termios modes = game.modes();
    EXPECT_EQ(modes.c_lflag & (ICANON | ECHO | ISIG), ICANON | ECHO | ISIG);
    EXPECT_NE(modes.c_iflag & IXON, 0U);
    return modes;
}

/// The terminal is back exactly as it was: line mode, echo, signal keys, flow control and all.
void expectModesAsBefore(const termios& after, const termios& before) {
    EXPECT_EQ(after.c_lflag, before.c_lflag) << "local modes: line mode, echo, signal keys";
    EXPECT_EQ(after.c_iflag, before.c_iflag) << "input modes: flow control";
    EXPECT_EQ(after.c_oflag, before.c_oflag) << "output modes";
    EXPECT_EQ(after.c_cflag, before.c_cflag) << "control modes";
    EXPECT_TRUE(std::equal(std::begin(after.c_cc), std::end(after.c_cc), std::begin(before.c_cc)))
        << "special characters";
}

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
    // Every key is a key now: no echo, no signal keys, no flow control.
    const termios waiting = game.modes();
    EXPECT_EQ(waiting.c_lflag & (ECHO | ISIG), 0U);
    EXPECT_EQ(waiting.c_iflag & IXON, 0U);
}

TEST(UnderATerminal, OneKeyWithoutEnterEndsTheGame) {
    TerminalSession game;
    const termios before = modesAtStart(game);
    ASSERT_NO_FATAL_FAILURE(quitFromTheTitleScreen(game));
    // The 5 left on the typed line does not count as the key.
    EXPECT_FALSE(game.waitExit(300ms).has_value()) << game.transcript();
    game.send("k");
    const auto status = game.waitExit();
    ASSERT_TRUE(status.has_value()) << game.transcript();
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    EXPECT_EQ(game.unconsumed().find('k'), std::string::npos) << "the key was echoed";
    expectModesAsBefore(game.modes(), before);
}

/// A key that a terminal in line mode takes for itself: a signal key or a flow-control key.
struct SpecialKey {
    const char* name;
    char key;
    int role;              ///< its slot in termios::c_cc
    const char* normally;  ///< what the terminal does with it outside the wait
};

void PrintTo(const SpecialKey& special, std::ostream* out) {
    *out << special.name << " (" << escaped({&special.key, 1}) << ", normally " << special.normally << ")";
}

class KeyAtTheFinalWait : public ::testing::TestWithParam<SpecialKey> {};

TEST_P(KeyAtTheFinalWait, CountsAsTheKeyEvenUnderAShellThatMendsNothing) {
    // dash neither restores the terminal after a program nor execs the game away here: the game
    // is its child, and the shell speaks up after it with the game's exit status.
    TerminalSession game({.shellScript = R"("$0"; status=$?; echo "game ended: $status"; exit $status)"});
    const termios before = modesAtStart(game);
    ASSERT_EQ(before.c_cc[GetParam().role], GetParam().key) << "not the terminal's own key";
    ASSERT_NO_FATAL_FAILURE(quitFromTheTitleScreen(game));
    game.send({&GetParam().key, 1});
    const auto status = game.waitExit();
    ASSERT_TRUE(status.has_value()) << game.transcript();
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    // Nothing between the farewell's line feed and the shell's line: the key was not echoed.
    EXPECT_EQ(game.readThrough("game ended: 0\r\n").value_or(""), "\r\ngame ended: 0\r\n");
    expectModesAsBefore(game.modes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    UnderATerminal,
    KeyAtTheFinalWait,
    ::testing::Values(
        SpecialKey{"CtrlC", '\x03', VINTR, "SIGINT"},
        SpecialKey{"CtrlBackslash", '\x1c', VQUIT, "SIGQUIT"},
        SpecialKey{"CtrlZ", '\x1a', VSUSP, "SIGTSTP"},
        SpecialKey{"CtrlS", '\x13', VSTOP, "stops the output"},
        SpecialKey{"CtrlQ", '\x11', VSTART, "restarts the output"}),
    [](const auto& info) { return std::string(info.param.name); });

class EndedBySignal : public ::testing::TestWithParam<int> {};

TEST_P(EndedBySignal, LeavesTheTerminalAsItWas) {
    TerminalSession game;
    const termios before = modesAtStart(game);
    ASSERT_NO_FATAL_FAILURE(quitFromTheTitleScreen(game));
    game.signal(GetParam());
    const auto status = game.waitExit();
    ASSERT_TRUE(status.has_value()) << game.transcript();
    // The signal ends the program as it would have: the shell reports 128 plus its number.
    EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == GetParam()) << *status;
    expectModesAsBefore(game.modes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    UnderATerminal, EndedBySignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT), [](const auto& info) {
        return std::string(sigabbrev_np(info.param));
    });

}  // namespace
}  // namespace grimstep::testing
