// Lunch and biology: the way to the lunch room, the cook's hat, the new cook, the moving food
// (only eating it scores) and the forest trip that leads on to the end of the school day.
#include "story/grinning_face.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimstep::testing {
namespace {

using Shown = std::vector<std::int32_t>;

class LunchAndBiologyWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(LunchAndBiologyWalk, ShowsTheExpectedScenesAndScore) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    LunchAndBiology,
    LunchAndBiologyWalk,
    ::testing::Values(
        // The main line: straight through, eating the food.
        Walk{76, "1 1 1 1 1 1 1 1 1 3 1 1 1", {77, 79, 80, 81, 82, 83, 84, 85, 86, 89, 90, 91, 92}, 1},
        // Both answers to lunch lead to the lunch room; the blank one stays.
        Walk{76, "2", {77}, 0},
        Walk{76, "3 1", {76, 77}, 0},
        // Forgetting the old cook shows the new hat first; remembering her skips it.
        Walk{77, "2 1", {78, 79}, 0},
        Walk{77, "1", {79}, 0},
        Walk{78, "2 3 1", {78, 78, 79}, 0},
        // Every option of the drawing leads on, and so does every option of the aside after it.
        Walk{82, "1 1", {83, 84}, 0},
        Walk{82, "2 1", {83, 84}, 0},
        Walk{82, "3 1", {83, 84}, 0},
        Walk{83, "1 1", {84, 85}, 0},
        Walk{83, "2 1", {84, 85}, 0},
        Walk{83, "3 1", {84, 85}, 0},
        // The three ways of dealing with the moving food; only eating it scores.
        Walk{86, "1 1 1", {88, 87, 90}, 0},
        Walk{86, "2 1", {87, 90}, 0},
        Walk{86, "3 1", {89, 90}, 1},
        // The kiss counts once, however often it is shown again.
        Walk{86, "3 2 3 1", {89, 89, 89, 90}, 1},
        // Biology, and out to the end of the school day.
        Walk{90, "1 1", {91, 92}, 0},
        Walk{91, "2 3 1", {91, 91, 92}, 0}));

TEST(LunchAndBiology, InvalidReplyOnTheKissScoresNothingMore) {
    const std::string route = routeTo(89);
    const Play start = play(route);
    const Play p = play(route + " 0 4 1");
    EXPECT_EQ(p.complaints, start.complaints + 2);
    EXPECT_EQ(p.score, start.score);
    EXPECT_EQ(lastShown(p, 3), (Shown{89, 89, 90}));
}

TEST(LunchAndBiology, BlankOptionsStayExceptAfterTheDrawing) {
    for (std::int32_t number = 76; number <= 91; ++number) {
        const Scene& scene = sceneNumbered(number);
        for (const SceneOption& option : scene.options) {
            if (!option.label.empty()) {
                continue;
            }
            const std::int32_t expected = number == 83 ? 84 : number;
            EXPECT_EQ(option.target, expected) << "scene " << number;
        }
    }
}

TEST(LunchAndBiology, OnlyScene91LeavesTheChapter) {
    for (std::int32_t number = 76; number <= 91; ++number) {
        for (const SceneOption& option : sceneNumbered(number).options) {
            if (number == 91 && option.label == "LOL") {
                EXPECT_EQ(option.target, 92);
            } else {
                EXPECT_GE(option.target, 76) << "scene " << number;
                EXPECT_LE(option.target, 91) << "scene " << number;
            }
        }
    }
}

TEST(LunchAndBiology, OnlyTheKissScores) {
    for (std::int32_t number = 76; number <= 91; ++number) {
        const SceneEffect expected = number == 89 ? SceneEffect::AwardPoint : SceneEffect::None;
        EXPECT_EQ(sceneNumbered(number).effect, expected) << "scene " << number;
    }
}

TEST(LunchAndBiology, TextsHaveTheirLineCounts) {
    const std::vector<std::pair<std::int32_t, std::size_t>> counts = {
        {76, 1},
        {77, 1},
        {78, 10},
        {79, 2},
        {80, 1},
        {81, 1},
        {82, 10},
        {83, 1},
        {84, 2},
        {85, 1},
        {86, 2},
        {87, 1},
        {88, 1},
        {89, 2},
        {90, 1},
        {91, 2},
    };
    for (const auto& [number, count] : counts) {
        EXPECT_EQ(linesOf(sceneNumbered(number).text).size(), count) << "scene " << number;
    }
}

TEST(LunchAndBiology, TheCookWearsTheGrinningFace) {
    const std::string_view text = sceneNumbered(78).text;
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_EQ(lines[0], "And now?!");

    // The hat: two rows of O's over two rows of bars, in place of the hair.
    const auto onlyOf = [](std::string_view line, char mark) {
        return line.find(mark) != std::string_view::npos &&
               line.find_first_not_of(std::string{' ', mark}) == std::string_view::npos;
    };
    EXPECT_TRUE(onlyOf(lines[1], 'O')) << lines[1];
    EXPECT_TRUE(onlyOf(lines[2], 'O')) << lines[2];
    EXPECT_TRUE(onlyOf(lines[3], '|')) << lines[3];
    EXPECT_TRUE(onlyOf(lines[4], '|')) << lines[4];

    // The face below the hat is the very face from the window, with nothing after it.
    const std::string_view features = story::GRINNING_FACE_FEATURES.view();
    ASSERT_GE(text.size(), features.size());
    EXPECT_EQ(text.substr(text.size() - features.size()), features);
    EXPECT_EQ(text[text.size() - features.size() - 1], '\n');
    EXPECT_EQ(text.find(story::GRINNING_FACE_HAIR.view()), std::string_view::npos);
}

TEST(LunchAndBiology, TheDrawingsOptionsArePartsOfAFace) {
    const Scene& scene = sceneNumbered(82);
    EXPECT_EQ(scene.options[0].label, "O O");
    EXPECT_EQ(scene.options[1].label, " I");
    EXPECT_EQ(scene.options[2].label, " O");

    // Two narration lines, a drawing of seven lines, and the empty line the text ends with.
    const auto lines = linesOf(scene.text);
    ASSERT_EQ(lines.size(), 10U);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_FALSE(lines[i].empty()) << "line " << i;
    }
    EXPECT_TRUE(lines[9].empty());

    const std::string screen = screenOf(82);
    EXPECT_TRUE(screen.ends_with("\n\n1. O O\n2.  I\n3.  O\n")) << screen;
}

TEST(LunchAndBiology, TrickyTextsAreExact) {
    EXPECT_EQ(sceneNumbered(85).text, "What do you mean \"And?\" You want it in detail?");
    EXPECT_EQ(sceneNumbered(86).options[2].label, "(It's really hard to say but...) Eat it.");
    EXPECT_EQ(sceneNumbered(76).options[0].label, "Oh NOOOOO!!!");
    EXPECT_EQ(sceneNumbered(90).options[0].label, "AwW YeAaAaA");
}

TEST(LunchAndBiology, StoryFactsAreTold) {
    // The water left running at home nags again, and the coat still keeps nothing out.
    EXPECT_NE(sceneNumbered(77).text.find("forgot"), std::string_view::npos);
    EXPECT_NE(sceneNumbered(77).text.find("cook"), std::string_view::npos);
    EXPECT_NE(sceneNumbered(84).text.find("waterproof coat"), std::string_view::npos);

    // The kiss: a hint on the first line, the indented sound between asterisks on the second.
    const auto kiss = linesOf(sceneNumbered(89).text);
    ASSERT_EQ(kiss.size(), 2U);
    const std::size_t start = kiss[1].find_first_not_of(" \t");
    ASSERT_NE(start, std::string_view::npos);
    EXPECT_GT(start, 0U);
    EXPECT_EQ(kiss[1][start], '*');
    EXPECT_EQ(kiss[1].back(), '*');

    // The old cook's replacement: the sentence breaks off and goes on after an ellipsis.
    const auto cook = linesOf(sceneNumbered(79).text);
    ASSERT_EQ(cook.size(), 2U);
    EXPECT_TRUE(cook[0].ends_with("...")) << cook[0];
    EXPECT_TRUE(cook[1].starts_with("...")) << cook[1];
}

}  // namespace
}  // namespace grimstep::testing
