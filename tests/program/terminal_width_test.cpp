// The built game under a narrow pseudo-terminal: long lines break between words at the window's
// width, read anew for every screen, while a pipe still gets the exact bytes.
#include "tests/program/child_process.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

/// The output as the game wrote it: the terminal sends each of its line feeds as CR LF (ONLCR).
std::string withPlainLineFeeds(std::string_view shown) {
    std::string plain;
    for (std::size_t at = 0; at < shown.size(); ++at) {
        if (shown.substr(at, 2) != "\r\n") {
            plain += shown[at];
        }
    }
    return plain;
}

/// `shown` is `unwrapped` broken into rows of at most `width` columns, and never inside a word.
void expectWrapped(std::string_view shown, std::string_view unwrapped, std::size_t width) {
    for (const auto row : linesOf(shown)) {
        EXPECT_LE(columnsOf(row), width) << escaped(row);
    }
    EXPECT_EQ(wordsOf(shown), wordsOf(unwrapped)) << escaped(shown);
}

TEST(UnderATerminal, LongLinesBreakBetweenWordsAtTheWindowsWidth) {
    const std::string first = screenOf(1);
    ASSERT_GT(columnsOf(linesOf(first).front()), 40U) << "scene 1 no longer has a long line to break";

    TerminalSession game({.columns = 40});
    const auto atForty = game.readThrough("3. \r\n");
    ASSERT_TRUE(atForty.has_value());
    expectWrapped(withPlainLineFeeds(*atForty), first, 40);

    // A blank option of scene 1 shows it again, now in a narrower window: the width is read anew.
    game.resize(30, 50);
    game.send("2\n");
    ASSERT_TRUE(game.expect("2\r\n"));  // the reply's echo
    const auto atThirty = game.readThrough("3. \r\n");
    ASSERT_TRUE(atThirty.has_value());
    expectWrapped(withPlainLineFeeds(*atThirty), first, 30);

    // Through a pipe the same replies give the screens unbroken, byte for byte.
    EXPECT_TRUE(runThroughPipes({}, "2\n").output.starts_with(first + first));
}

}  // namespace
}  // namespace grimstep::testing
