// Math and geography: guessing the math test (the point), the bus that faces nowhere in
// particular, the flag, and finding America on the map (only "Then there!" scores).
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

class MathAndGeographyWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(MathAndGeographyWalk, ShowsTheExpectedScenesAndScore) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    MathAndGeography,
    MathAndGeographyWalk,
    ::testing::Values(
        // The main line: guess, and find America "there"; two points.
        Walk{62, "1 1 1 1 1 1 1 1 1 1 2 1", {64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 75, 76}, 2},
        // The math test: guessing scores, not guessing doesn't; both reach the bus.
        Walk{62, "1 1", {64, 65}, 1},
        Walk{62, "2 1", {63, 65}, 0},
        Walk{62, "3", {62}, 0},
        // A second look at the B is not a second point.
        Walk{62, "1 2 3 1", {64, 64, 64, 65}, 1},
        // The bus question is a straight line.
        Walk{65, "1 1 1", {66, 67, 68}, 0},
        Walk{65, "2 3", {65, 65}, 0},
        // The geography quiz: both replies to the teacher are misheard; only "Then there!" scores.
        Walk{72, "1 1", {73, 74}, 0},
        Walk{72, "1 2", {73, 75}, 1},
        Walk{72, "1 3", {73, 74}, 0},
        Walk{72, "2 1", {73, 74}, 0},
        Walk{72, "2 2", {73, 75}, 1},
        Walk{72, "2 3", {73, 74}, 0},
        Walk{72, "3", {72}, 0},
        // Both ways out lead to lunch.
        Walk{72, "1 1 1", {73, 74, 76}, 0},
        Walk{72, "1 2 1", {73, 75, 76}, 1},
        Walk{72, "1 1 2 3 1", {73, 74, 74, 74, 76}, 0},
        Walk{72, "1 2 2 3 1", {73, 75, 75, 75, 76}, 1}));

TEST(MathAndGeography, TextsHaveTheirLineCounts) {
    struct Count {
        std::int32_t scene;
        std::size_t lines;
    };
    for (const Count c :
         {Count{62, 2},
          Count{63, 1},
          Count{64, 1},
          Count{65, 7},
          Count{66, 1},
          Count{69, 2},
          Count{70, 14},
          Count{71, 1},
          Count{72, 2},
          Count{74, 2},
          Count{75, 2}}) {
        EXPECT_EQ(linesOf(sceneNumbered(c.scene).text).size(), c.lines) << "scene " << c.scene;
    }
    EXPECT_TRUE(linesOf(sceneNumbered(69).text)[1].starts_with("("));
    EXPECT_TRUE(linesOf(sceneNumbered(69).text)[1].ends_with(")"));
    EXPECT_TRUE(sceneNumbered(71).text.ends_with("..."));
}

TEST(MathAndGeography, CountedLettersAreExact) {
    EXPECT_EQ(sceneNumbered(63).text, "You didn't guess. An eeffffff....");
    EXPECT_EQ(sceneNumbered(64).text, "You guessed...and guessed right! Great!!!! But you got a B.");
    EXPECT_EQ(sceneNumbered(70).options[0].label, "OH WOOOOOOOOOOOOOOOOW!!");
    EXPECT_EQ(sceneNumbered(72).options[1].label, "adfokqerrqhsavyojvoiw dvwoqeik???");
}

/// The five lines of the bus, under the line of narration.
std::vector<std::string_view> busLines() {
    const auto lines = linesOf(sceneNumbered(65).text);
    if (lines.size() != 7) {
        ADD_FAILURE() << "scene 65 has " << lines.size() << " lines";
        return {};
    }
    return {lines.begin() + 1, lines.begin() + 6};
}

/// What is drawn on a line, without the spaces around it.
std::string_view drawn(std::string_view line) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

/// The drawing seen from the other side: reversed, with slants and brackets turned round.
std::string mirrored(std::string_view drawing) {
    std::string turned(drawing.rbegin(), drawing.rend());
    for (char& c : turned) {
        switch (c) {
            case '/':
                c = '\\';
                break;
            case '\\':
                c = '/';
                break;
            case '(':
                c = ')';
                break;
            case ')':
                c = '(';
                break;
            case '[':
                c = ']';
                break;
            case ']':
                c = '[';
                break;
            case '<':
                c = '>';
                break;
            case '>':
                c = '<';
                break;
            default:
                break;
        }
    }
    return turned;
}

TEST(MathAndGeography, BusLooksTheSameFromBothEnds) {
    const auto bus = busLines();
    ASSERT_EQ(bus.size(), 5U);
    // Every line mirrors onto itself around one and the same middle column (counted twice, so
    // that a middle between two columns is a whole number too).
    const std::size_t roofStart = bus[0].find_first_not_of(' ');
    const std::size_t middleTwice = roofStart + bus[0].find_last_not_of(' ');
    for (const std::string_view line : bus) {
        EXPECT_EQ(line.find('\t'), std::string_view::npos);
        const std::string_view drawing = drawn(line);
        ASSERT_FALSE(drawing.empty());
        EXPECT_EQ(mirrored(drawing), drawing) << "one end differs: " << line;
        EXPECT_EQ(line.find_first_not_of(' ') + line.find_last_not_of(' '), middleTwice) << "off the middle: " << line;
    }
}

TEST(MathAndGeography, BusHasThreeWindowsAndNoDoor) {
    const auto bus = busLines();
    ASSERT_EQ(bus.size(), 5U);
    const std::string_view windows = bus[1];
    EXPECT_EQ(std::count(windows.begin(), windows.end(), 'O'), 3);
    EXPECT_NE(windows.find('/'), std::string_view::npos);
    EXPECT_NE(windows.find('\\'), std::string_view::npos);
    // Between the ends of the body and of its lower edge there is nothing but paint.
    for (const std::string_view line : {bus[2], bus[3]}) {
        const auto first = line.find_first_not_of(' ');
        const auto last = line.find_last_not_of(' ');
        ASSERT_LT(first, last);
        const std::string_view inside = line.substr(first + 1, last - first - 1);
        EXPECT_EQ(inside.find_first_not_of(" _"), std::string_view::npos) << "a door? " << line;
    }
}

TEST(MathAndGeography, BusQuestionEndsWithAnEmptyLine) {
    const std::string_view text = sceneNumbered(65).text;
    EXPECT_TRUE(text.ends_with("\n"));
    EXPECT_TRUE(linesOf(text).back().empty());
    const auto bus = busLines();
    ASSERT_EQ(bus.size(), 5U);
    const std::string wheelsThenGap = std::string(bus[4]) + "\n\n1. Dunno.\n";
    EXPECT_NE(screenOf(65).find(wheelsThenGap), std::string::npos);
}

TEST(MathAndGeography, FlagHasThirteenBarredRowsOfStarsAndStripes) {
    const auto lines = linesOf(sceneNumbered(70).text);
    ASSERT_EQ(lines.size(), 14U);
    const std::vector<std::string_view> flag(lines.begin() + 1, lines.end());
    for (std::size_t row = 0; row < flag.size(); ++row) {
        const std::string_view line = flag[row];
        ASSERT_EQ(line.size(), 49U) << "row " << row << ": " << line;
        EXPECT_EQ(line.front(), '|');
        EXPECT_EQ(line.back(), '|');
        const std::string_view inside = line.substr(1, 47);
        EXPECT_EQ(inside.find('|'), std::string_view::npos);

        // O's on even rows, colons on odd ones, O's first and last; the stripe runs to the right edge.
        const char stripe = row % 2 == 0 ? 'O' : ':';
        const std::size_t stripeStart = inside.find_last_not_of(stripe) + 1;
        if (row < 7) {
            ASSERT_LT(stripeStart, inside.size()) << "row " << row << " has no stripe";
            const std::string_view field = inside.substr(0, stripeStart);
            EXPECT_NE(field.find('*'), std::string_view::npos) << "row " << row << " has no stars";
            EXPECT_EQ(field.find_first_not_of("* "), std::string_view::npos) << "row " << row;
        } else {
            EXPECT_EQ(inside, std::string(47, stripe)) << "row " << row;
        }
    }
    // The stars are staggered: no star stands right under one on the row above.
    for (std::size_t row = 1; row < 7; ++row) {
        for (std::size_t col = 1; col < 48; ++col) {
            EXPECT_FALSE(flag[row][col] == '*' && flag[row - 1][col] == '*')
                << "rows " << row - 1 << " and " << row << ", column " << col;
        }
    }
}

}  // namespace
}  // namespace grimstep::testing
