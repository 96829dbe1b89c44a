// The opening and the morning at home: the title screen and who made it, the window, the desk
// with its three ways to school, the sketch with its percent sign, and the mirror.
#include "engine/game_session.hpp"
#include "story/chapter1_opening.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

using Shown = std::vector<std::int32_t>;

/// The longest run of one character in a line.
std::size_t longestRun(std::string_view line, char wanted) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : line) {
        run = c == wanted ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

class OpeningAndMorningWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(OpeningAndMorningWalk, ShowsTheExpectedScenes) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    OpeningAndMorning,
    OpeningAndMorningWalk,
    ::testing::Values(
        // The opening: blank options stay put, then on to the title screen.
        Walk{1, "2 3 1", {1, 1, 2}},
        Walk{2, "2 3 1", {2, 2, 3}},
        // Who made THIS? ME! Who? Vantorek. Oh. And back to the title screen.
        Walk{3, "2 1 1", {4, 5, 3}},
        Walk{3, "2 2 3 1 2 3 1 1", {4, 4, 4, 5, 5, 5, 3, 6}},
        Walk{3, "1", {6}},
        // The morning, straight to the bathroom.
        Walk{6, "1", {11}},
        // The window and back, as often as you like.
        Walk{6, "3 1 3 2 3 1 2", {7, 6, 7, 7, 7, 6, 8}},
        // All three ways from the desk end up brushing teeth.
        Walk{6, "2 1 1", {8, 11, 12}},
        Walk{6, "2 2 1 1", {8, 9, 11, 12}},
        Walk{6, "2 3 1 1", {8, 10, 11, 12}},
        // Breakfast: the blank option 2 stays, the blank option 3 goes to the sketch.
        Walk{9, "2 1", {9, 11}},
        Walk{9, "3 1", {10, 11}},
        Walk{9, "2 3 2 3 1", {9, 10, 10, 10, 11}},
        // The bathroom: both ways out reach school.
        Walk{11, "2 3 1", {11, 11, 12}},
        Walk{12, "3 2", {12, 14}},
        Walk{12, "1 2 3 1", {13, 13, 13, 14}}));

TEST(OpeningAndMorning, FirstScreenIsTheOpeningLine) {
    const Play p = play("");
    ASSERT_FALSE(p.shown.empty());
    EXPECT_EQ(p.shown.front(), 1);
    EXPECT_TRUE(p.output.starts_with(screenOf(1))) << p.output;
}

TEST(OpeningAndMorning, EndItOnTheTitleScreenSaysFarewellAtOnce) {
    const Play p = play(routeTo(3) + " 3 1 1");
    ASSERT_FALSE(p.shown.empty());
    EXPECT_EQ(p.shown.back(), 3);
    EXPECT_TRUE(p.farewell);
    EXPECT_NE(p.output.find(screenOf(3) + std::string(FAREWELL_PROMPT)), std::string::npos);
}

TEST(OpeningAndMorning, OhShowsTheWholeTitleScreenAgain) {
    const Play p = play(routeTo(3) + " 2 1 1");
    EXPECT_NE(p.output.find(screenOf(5) + screenOf(3)), std::string::npos);
}

TEST(OpeningAndMorning, BreakfastBlankOptionsLeadDifferentWays) {
    const Scene& breakfast = sceneNumbered(9);
    EXPECT_TRUE(breakfast.options[1].label.empty());
    EXPECT_TRUE(breakfast.options[2].label.empty());
    EXPECT_EQ(breakfast.options[1].target, 9);
    EXPECT_EQ(breakfast.options[2].target, 10);
}

/// How a picture is laid out: its lines, the empty lines around it and its drawn rows.
struct Layout {
    std::int32_t scene;
    std::size_t lines;
    std::size_t leadingEmpty;
    std::size_t rows;  // drawn lines, a caption included
    bool endsWithBreak;
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << "scene " << layout.scene; }

class OpeningPicture : public ::testing::TestWithParam<Layout> {};

TEST_P(OpeningPicture, HasItsHeight) {
    const Layout& layout = GetParam();
    const auto lines = linesOf(sceneNumbered(layout.scene).text);
    ASSERT_EQ(lines.size(), layout.lines);
    for (std::size_t i = 0; i < layout.leadingEmpty; ++i) {
        EXPECT_TRUE(lines[i].empty()) << "line " << i;
    }
    ASSERT_GT(lines.size(), layout.leadingEmpty);
    EXPECT_FALSE(lines[layout.leadingEmpty].empty());
    EXPECT_EQ(lines.back().empty(), layout.endsWithBreak);
    const auto drawn = std::ranges::count_if(lines, [](std::string_view line) { return !line.empty(); });
    EXPECT_EQ(static_cast<std::size_t>(drawn), layout.rows);
}

INSTANTIATE_TEST_SUITE_P(
    OpeningAndMorning,
    OpeningPicture,
    ::testing::Values(
        Layout{3, 6, 1, 5, false},      // banner and rule
        Layout{7, 9, 4, 5, false},      // out of the window
        Layout{9, 8, 1, 7, false},      // breakfast and "Yum yum!"
        Layout{10, 30, 1, 15, false},   // sketch and its caption
        Layout{13, 28, 1, 26, true}));  // the mirror

TEST(OpeningAndMorning, TitleSpellsTheGameWithItsOwnLettersOverTheRule) {
    const auto lines = linesOf(sceneNumbered(3).text);
    ASSERT_EQ(lines.size(), 6U);
    for (std::size_t row = 1; row <= 4; ++row) {
        std::string firstSeen;
        for (const char c : lines[row]) {
            if (c != ' ' && firstSeen.find(c) == std::string::npos) {
                firstSeen += c;
            }
        }
        EXPECT_EQ(firstSeen, "GRIMSTEP") << "row " << row << ": " << lines[row];
    }
    EXPECT_EQ(lines[5], std::string(24, '-') + "Sloshmarch" + std::string(24, '-'));
}

TEST(OpeningAndMorning, WindowShowsAGrowingPileAndTwoArrows) {
    const auto lines = linesOf(sceneNumbered(7).text);
    ASSERT_EQ(lines.size(), 9U);
    // The pile widens downwards under the wavy lines.
    const std::vector<std::size_t> widths{0, 1, 3, 6, 8};
    for (std::size_t row = 0; row < widths.size(); ++row) {
        EXPECT_EQ(longestRun(lines[4 + row], 'o'), widths[row]) << lines[4 + row];
    }
    // One caption points right, the other left.
    EXPECT_NE(lines[5].find("->"), std::string_view::npos) << lines[5];
    EXPECT_NE(lines[6].find("<-"), std::string_view::npos) << lines[6];
}

TEST(OpeningAndMorning, NarrationIsOneLineAndMomsNoteIsQuoted) {
    const std::string_view morning = sceneNumbered(6).text;
    EXPECT_EQ(linesOf(morning).size(), 1U);
    EXPECT_TRUE(morning.ends_with("?")) << morning;

    const std::string_view desk = sceneNumbered(8).text;
    EXPECT_EQ(linesOf(desk).size(), 1U);
    const auto open = desk.find('"');
    ASSERT_NE(open, std::string_view::npos);
    const auto close = desk.find('"', open + 1);
    ASSERT_NE(close, std::string_view::npos);
    EXPECT_EQ(std::ranges::count(desk, '"'), 2);
    const std::string_view note = desk.substr(open, close - open);
    EXPECT_NE(note.find("fridge"), std::string_view::npos) << note;
    EXPECT_NE(note.find("psychiatrist"), std::string_view::npos) << note;
}

TEST(OpeningAndMorning, BreakfastEndsWithItsCaption) { EXPECT_TRUE(sceneNumbered(9).text.ends_with("\nYum yum!")); }

TEST(OpeningAndMorning, SketchPrintsItsOnePercentSignAsItIs) {
    const Scene& sketch = sceneNumbered(10);
    EXPECT_EQ(std::ranges::count(sketch.text, '%'), 1);
    EXPECT_EQ(sketch.effect, SceneEffect::None);
    EXPECT_TRUE(sketch.text.ends_with("\nPuberty is taking over"));

    const Play p = play(routeTo(10));
    const std::string screen = std::string(sketch.text) + "\n1. To school!\n2. \n3. \n";
    EXPECT_EQ(screenOf(10), screen);
    EXPECT_NE(p.output.find(screen), std::string::npos);
}

TEST(OpeningAndMorning, SketchRowsAreSpacedByEmptyLines) {
    const auto lines = linesOf(sceneNumbered(10).text);
    ASSERT_EQ(lines.size(), 30U);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].empty(), i % 2 == 0) << "line " << i;
    }
}

TEST(OpeningAndMorning, MirrorIsShadedWithItsMarksOnly) {
    const std::string_view mirror = sceneNumbered(13).text;
    EXPECT_EQ(mirror.find_first_not_of("`,:;'+#@. \n"), std::string_view::npos);
    for (const char mark : std::string_view{"`,:;'+#@."}) {
        EXPECT_NE(mirror.find(mark), std::string_view::npos) << mark;
    }
}

TEST(OpeningAndMorning, MirrorScreenLeavesAnEmptyLineBeforeUgh) {
    EXPECT_NE(screenOf(13).find("\n\n1. Ugh!\n"), std::string::npos);
    const Play p = play(routeTo(13));
    ASSERT_FALSE(p.shown.empty());
    EXPECT_EQ(p.shown.back(), 13);
    EXPECT_NE(p.output.find(std::string(sceneNumbered(13).text) + "\n1. Ugh!\n2. \n3. \n"), std::string::npos);
}

}  // namespace
}  // namespace grimstep::testing
