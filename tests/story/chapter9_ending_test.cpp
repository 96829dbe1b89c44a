// The ending: THE END and its three ways on (menu, start again, end it), the special end menu,
// the credits with the score filled in, and the hidden room behind the history lesson.
#include "engine/game_session.hpp"
#include "engine/scene.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimstep::testing {
namespace {

using Scenes = std::vector<std::int32_t>;

/// The last credits screen printed, as long as the credits screen with `score` would be.
std::string lastCredits(const Play& p, std::int32_t score) {
    const auto at = p.output.rfind("Credits:\n");
    if (at == std::string::npos) {
        return "(no credits shown)";
    }
    return p.output.substr(at, screenOf(112, score).size());
}

// ---------------------------------------------------------------------------------------------
// The end screen

TEST(EndingEndScreen, EndItEndsTheGameWithNothingAfterTheFarewell) {
    const auto atTheEnd = play(routeTo(109));
    const auto p = play(routeTo(109) + " 3 1 2 1");

    EXPECT_TRUE(p.farewell);
    EXPECT_EQ(p.shown, atTheEnd.shown) << "no screen may follow the end screen";
    EXPECT_TRUE(p.output.ends_with(screenOf(109) + std::string(FAREWELL_PROMPT)))
        << "the end screen, then the farewell, then nothing";
    EXPECT_EQ(sceneNumbered(109).options[2].target, END_FINAL);
}

TEST(EndingEndScreen, StartAgainShowsTheOpeningScreen) {
    const auto p = play(routeTo(109) + " 2");
    EXPECT_EQ(lastShown(p, 2), (Scenes{109, 1}));
    EXPECT_TRUE(p.ranOutOfInput);  // the game goes on
    EXPECT_NE(p.output.rfind(screenOf(109) + screenOf(1)), std::string::npos);
}

TEST(EndingEndScreen, ASecondPlayThroughCountsFromZero) {
    // First time round: the boyfriend question scores, then straight home by the left.
    const std::string firstTime = routeTo(95) + " 2 1 1 1 2 2 1 1";
    const auto first = play(firstTime);
    ASSERT_EQ(first.shown.back(), 109);
    ASSERT_GE(first.score, 1);
    EXPECT_EQ(lastCredits(play(firstTime + " 1 2"), first.score), screenOf(112, first.score));

    // Start again, and take the hidden route to the credits before scoring anything.
    const auto p = play(firstTime + " 2 " + routeTo(29) + " 1 3");
    EXPECT_EQ(lastShown(p, 3), (Scenes{29, 113, 112}));
    EXPECT_EQ(std::ranges::count(p.shown, 1), 2);
    EXPECT_EQ(p.score, 0);
    EXPECT_EQ(lastCredits(p, 0), screenOf(112, 0));
}

TEST(EndingEndScreen, BlockLettersSpellTheEndAndLol) {
    const auto lines = linesOf(sceneNumbered(109).text);
    ASSERT_EQ(lines.size(), 12U);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[6], "");

    // Each big letter is drawn with copies of itself, so a row holds only those letters.
    const auto drawnWith = [](std::string_view row, std::string_view letters) {
        return std::ranges::all_of(
            row, [&](char ch) { return ch == ' ' || letters.find(ch) != std::string_view::npos; });
    };
    for (std::size_t row = 1; row <= 5; ++row) {
        EXPECT_TRUE(drawnWith(lines[row], "THEND")) << lines[row];
    }
    for (std::size_t row = 7; row <= 11; ++row) {
        EXPECT_TRUE(drawnWith(lines[row], "LO")) << lines[row];
    }
    for (const char letter : std::string_view("THEND")) {
        EXPECT_NE(lines[1].find(letter), std::string_view::npos) << "missing " << letter;
    }
    for (std::size_t row = 1; row < lines.size(); ++row) {
        EXPECT_FALSE(lines[row].ends_with(" ")) << "row " << row;
    }
}

// ---------------------------------------------------------------------------------------------
// The end menu, the credits and the hidden room

class EndingWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(EndingWalk, ShowsTheExpectedScenes) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    MenusCreditsAndHiddenRoom,
    EndingWalk,
    ::testing::Values(
        Walk{109, "1", {110}},
        Walk{110, "1 1", {111, 110}},
        Walk{110, "1 2 3 1", {111, 111, 111, 110}},
        Walk{110, "2 1", {112, 110}},
        Walk{110, "3", {109}},
        Walk{112, "2", {107}},
        Walk{112, "3", {107}},
        Walk{112, "3 1 1", {107, 108, 109}},
        Walk{113, "1 1 2 2 2 1 1 3", {113, 113, 114, 113, 114, 115, 113, 112}},
        Walk{114, "3 1 2 3 1", {114, 115, 115, 115, 113}}));

TEST(EndingHiddenRoom, StraightFromTheStartTheCreditsShowZero) {
    const auto p = play(routeTo(29) + " 1 3");
    EXPECT_EQ(lastShown(p, 3), (Scenes{29, 113, 112}));
    EXPECT_EQ(p.score, 0);
    EXPECT_EQ(lastCredits(p, 0), screenOf(112, 0));
    EXPECT_NE(p.output.find("Your score is: 0 out of 5.\n"), std::string::npos);
}

TEST(EndingHiddenRoom, TheRoomIsEnteredFromTheHistoryLessonAndTheViewOnlyFromTheBed) {
    std::vector<std::pair<std::int32_t, std::size_t>> intoRoom;
    std::vector<std::pair<std::int32_t, std::size_t>> intoView;
    for (std::int32_t number = 1; number <= 115; ++number) {
        const Scene& scene = sceneNumbered(number);
        for (std::size_t i = 0; i < scene.options.size(); ++i) {
            if (scene.options[i].target == 113 && number < 113) {
                intoRoom.emplace_back(number, i + 1);
            }
            if (scene.options[i].target == 115 && number != 115) {
                intoView.emplace_back(number, i + 1);
            }
        }
    }
    EXPECT_EQ(intoRoom, (std::vector<std::pair<std::int32_t, std::size_t>>{{29, 1}}));
    EXPECT_EQ(intoView, (std::vector<std::pair<std::int32_t, std::size_t>>{{114, 1}}));

    const SceneOption& window = sceneNumbered(113).options[0];
    EXPECT_FALSE(window.label.empty());
    EXPECT_EQ(window.target, 113);
}

TEST(EndingHiddenRoom, RoomAndBedSpeakInOneLine) {
    const std::string_view room = sceneNumbered(113).text;
    EXPECT_EQ(linesOf(room).size(), 1U);
    EXPECT_TRUE(room.ends_with("?")) << room;
    EXPECT_EQ(linesOf(sceneNumbered(114).text).size(), 1U);
}

// ---------------------------------------------------------------------------------------------
// The exact texts that are easy to get wrong

TEST(EndingTexts, TheHintEndsWithASpaceAndQuotesTheOption) {
    EXPECT_EQ(
        sceneNumbered(111).text,
        "In the part where the teacher picks you out and you have many options to get mad, keep going "
        "until you reach options 5 and then select the first \"get mad at him\". Have fun! ");
}

TEST(EndingTexts, TheCreditsHoldOnePlaceholderOnFiveLines) {
    const Scene& credits = sceneNumbered(112);
    EXPECT_EQ(credits.effect, SceneEffect::ShowScore);
    EXPECT_EQ(std::ranges::count(credits.text, '%'), 1);
    EXPECT_NE(credits.text.find("%d"), std::string_view::npos);

    const auto lines = linesOf(credits.text);
    ASSERT_EQ(lines.size(), 5U) << "five lines, no line break after the last";
    EXPECT_EQ(lines[0], "Credits:");
    EXPECT_EQ(lines[1], "Programming and jokes by Vantorek");
    EXPECT_TRUE(lines[2].starts_with("Support during development by Meliton and Quobble (")) << lines[2];
    EXPECT_TRUE(lines[2].ends_with(")")) << lines[2];
    EXPECT_GT(lines[2].size(), std::string_view("Support during development by Meliton and Quobble ()").size());
    EXPECT_EQ(lines[3], "Being awesome and playing this game by You :-)");
    EXPECT_EQ(lines[4], "Your score is: %d out of 5.");
}

}  // namespace
}  // namespace grimstep::testing
