// What holds for every scene of the story, so that a scene added later is held to it too. (That
// every character is printable ASCII, a line feed or a tab is checked while the story compiles.)
#include "engine/line_wrap.hpp"
#include "engine/scene.hpp"
#include "engine/screen_format.hpp"
#include "story/story.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

/// The narrowest screen the story is drawn for.
constexpr std::size_t SCREEN_COLUMNS = 80;

/// Prose: words with single spaces between them, no tab and no run of spaces to line things up
/// (which is how pictures are drawn), and no word wider than the screen, so that word wrap can
/// break the line between words.
bool wrapsCleanly(std::string_view line) {
    if (line.find('\t') != std::string_view::npos || line.find("  ") != std::string_view::npos) {
        return false;
    }
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end - start > SCREEN_COLUMNS) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

TEST(EveryScene, FitsAnEightyColumnScreen) {
    for (const Scene& scene : story::storyTable().scenes()) {
        for (const std::string_view line : linesOf(scene.text)) {
            EXPECT_TRUE(columnsOf(line) <= SCREEN_COLUMNS || wrapsCleanly(line))
                << "scene " << scene.number << " has a line that is wider than " << SCREEN_COLUMNS
                << " columns and is no prose that wraps between words: " << line;
        }
        for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
            EXPECT_LE(OPTION_PREFIXES[i].size() + scene.options[i].label.size(), SCREEN_COLUMNS)
                << "scene " << scene.number << ", option " << i + 1;
        }
    }
}

TEST(EveryScene, WrappedAtEightyColumnsKeepsEveryWordWhole) {
    for (const Scene& scene : story::storyTable().scenes()) {
        const std::string screen = screenOf(scene);
        std::string wrapped;
        appendWrapped(wrapped, screen, SCREEN_COLUMNS);
        for (const std::string_view row : linesOf(wrapped)) {
            EXPECT_LE(columnsOf(row), SCREEN_COLUMNS) << "scene " << scene.number << ": " << row;
        }
        EXPECT_EQ(wordsOf(wrapped), wordsOf(screen)) << "scene " << scene.number;
    }
}

TEST(EveryScene, PrintsAScreenOfItsOwn) {
    // Players (and these tests) tell the scenes apart by what they print.
    std::map<std::string, std::int32_t> seen;
    for (const Scene& scene : story::storyTable().scenes()) {
        const auto [where, fresh] = seen.emplace(screenOf(scene), scene.number);
        EXPECT_TRUE(fresh) << "scenes " << where->second << " and " << scene.number;
    }
}

}  // namespace
}  // namespace grimstep::testing
