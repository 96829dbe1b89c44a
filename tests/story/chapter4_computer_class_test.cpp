// The second break and the computer class: every way through, where the blank options lead, and
// the pictures (the face on the trading card, the old computer off and loading, the game).
#include "engine/game_session.hpp"
#include "engine/scene.hpp"
#include "story/grinning_face.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

using Scenes = std::vector<std::int32_t>;

void expectWalks(const std::vector<Walk>& walks) {
    for (const Walk& walk : walks) {
        SCOPED_TRACE(::testing::PrintToString(walk));
        expectWalk(walk);
    }
}

TEST(Chapter4ComputerClass, MainLineRunsFromTheBreakToTheHallwayWithoutScoring) {
    expectWalk({35, "1 1 1 1 1 1 1 2 1 1", {36, 37, 41, 42, 43, 45, 46, 48, 50, 51}});
    for (std::int32_t number = 35; number <= 50; ++number) {
        EXPECT_EQ(sceneNumbered(number).effect, SceneEffect::None) << "scene " << number;
    }
}

TEST(Chapter4ComputerClass, EveryPastimeOfTheBreakEndsAtTheBell) {
    expectWalks({
        {35, "1 1 1", {36, 37, 41}},  // "NOTHING!": the invitation
        {35, "1 2 1", {36, 37, 41}},  // the silent dots: the invitation too
        {35, "1 3 1", {36, 38, 41}},  // the question: the trading card
        {35, "2 1", {39, 41}},        // lunch
        {35, "3 1", {40, 41}},        // the toilet
    });
}

TEST(Chapter4ComputerClass, EveryCryAtTheBellLeadsToTheComputerClass) {
    expectWalks({
        {41, "1", {42}},
        {41, "2", {42}},
        {41, "3", {42}},
        {42, "1", {43}},
        {42, "2", {43}},
        {42, "3", {42}},  // blank: the same scene again
    });
    const Scene& computerClass = sceneNumbered(42);
    EXPECT_EQ(computerClass.options[0].label, computerClass.options[1].label);
}

TEST(Chapter4ComputerClass, TurningTheComputerOnOrOffBothMeanTheNineYearWait) {
    expectWalks({
        {43, "1 1", {45, 46}},
        {43, "2 1 1", {44, 45, 46}},
        {43, "3 1", {43, 45}},
    });
}

TEST(Chapter4ComputerClass, ListeningToTheTeacherLeadsBackToTheChoice) {
    expectWalks({
        {46, "3 1 3 2 3 3 1", {47, 46, 47, 46, 47, 47, 46}},
    });
}

TEST(Chapter4ComputerClass, DeletingOrPlayingEndsTheClass) {
    expectWalks({
        {46, "1 1 1", {49, 50, 51}},  // "Delete system 32!"
        {46, "2 1 1", {48, 50, 51}},  // the game; "END GAME" ends only the game
        {46, "2 2 3 1", {48, 48, 48, 50}},
    });
}

TEST(Chapter4ComputerClass, BlankOptionsShowTheirOwnSceneAgain) {
    for (std::int32_t number = 35; number <= 50; ++number) {
        for (const SceneOption& option : sceneNumbered(number).options) {
            if (option.label.empty()) {
                EXPECT_EQ(option.target, number) << "scene " << number;
            }
        }
    }
}

TEST(Chapter4ComputerClass, TextsHaveTheirLineCounts) {
    struct Height {
        std::int32_t scene;
        std::size_t lines;
    };
    for (const Height& height :
         {Height{37, 5},
          Height{38, 12},
          Height{39, 1},
          Height{43, 14},
          Height{44, 1},
          Height{45, 14},
          Height{48, 12},
          Height{49, 4}}) {
        EXPECT_EQ(linesOf(sceneNumbered(height.scene).text).size(), height.lines) << "scene " << height.scene;
    }
    EXPECT_EQ(linesOf(sceneNumbered(43).text).back(), "\t\t\t");
    EXPECT_EQ(linesOf(sceneNumbered(45).text).back(), "");  // the loading screen ends with a line break
    EXPECT_EQ(linesOf(sceneNumbered(48).text).front(), "");

    const auto dialogue = linesOf(sceneNumbered(37).text);
    const std::vector<std::string_view> speakers{"Boy: ", "You: ", "Boy: ", "You: ", "Boy: "};
    for (std::size_t i = 0; i < std::min(dialogue.size(), speakers.size()); ++i) {
        EXPECT_TRUE(dialogue[i].starts_with(speakers[i])) << dialogue[i];
    }
}

TEST(Chapter4ComputerClass, TheTradingCardShowsTheFaceFromTheWindow) {
    const auto card = linesOf(sceneNumbered(38).text);
    const auto face = linesOf(story::GRINNING_FACE.view());
    ASSERT_EQ(card.size(), 12U);
    ASSERT_EQ(face.size(), 6U);
    EXPECT_TRUE(std::equal(face.begin(), face.end(), card.begin() + 1));
    EXPECT_EQ(card[7], " Name: PR1NC1P4L");
    EXPECT_EQ(card[8], " 10000HP");
    EXPECT_EQ(card[9], " Y0U L0S3");
    EXPECT_EQ(card[10], " ");
    EXPECT_EQ(card[11], "\t\t\t");
}

TEST(Chapter4ComputerClass, TheLoadingScreenChangesOnlyFourLinesOfTheComputer) {
    const auto off = linesOf(sceneNumbered(43).text);
    const auto loading = linesOf(sceneNumbered(45).text);
    ASSERT_EQ(off.size(), 14U);
    ASSERT_EQ(loading.size(), 14U);
    EXPECT_EQ(loading[0], "My mistake. It's from the year 9 B.C!");
    std::vector<std::size_t> changed;
    for (std::size_t i = 1; i <= 12; ++i) {
        if (off[i] != loading[i]) {
            changed.push_back(i);
        }
    }
    ASSERT_EQ(changed.size(), 4U);
    EXPECT_EQ(changed.back() - changed.front(), 3U) << "the four changed lines are the screen's";
    EXPECT_NE(loading[changed.back()].find("9 YEARS"), std::string_view::npos)
        << "the screen's bottom edge shows the nine years";
}

TEST(Chapter4ComputerClass, TheGameIsAWellOfSixteenCellsNineRowsDeep) {
    const auto lines = linesOf(sceneNumbered(48).text);
    ASSERT_EQ(lines.size(), 12U);
    std::size_t fallingBlocks = 0;
    for (std::size_t row = 1; row <= 9; ++row) {
        const std::string_view line = lines[row].substr(lines[row].find_first_not_of(' '));
        ASSERT_EQ(line.size(), 18U) << "row " << row;
        EXPECT_EQ(line.front(), '|');
        EXPECT_EQ(line.back(), '|');
        const std::string_view cells = line.substr(1, 16);
        EXPECT_EQ(cells.find_first_not_of(".O"), std::string_view::npos) << "row " << row;
        if (row <= 6) {
            fallingBlocks += static_cast<std::size_t>(std::count(cells.begin(), cells.end(), 'O'));
        }
    }
    EXPECT_EQ(fallingBlocks, 4U);
}

TEST(Chapter4ComputerClass, CountedLettersAndTrailingSpacesAreExact) {
    const Scene& bell = sceneNumbered(41);
    EXPECT_EQ(bell.options[0].label, "N" + std::string(44, 'O'));
    EXPECT_EQ(bell.options[1].label, std::string(45, 'O'));
    EXPECT_EQ(bell.options[2].label, std::string(45, 'O'));

    const Scene& classmate = sceneNumbered(36);
    EXPECT_EQ(classmate.options[1].label, " \" .......... \" ");
    EXPECT_EQ(classmate.options[2].label, " \" Hey. What do you have in there?\" ");
    EXPECT_TRUE(play(routeTo(36)).output.ends_with(screenOf(36) + std::string(FAREWELL_PROMPT)));

    EXPECT_EQ(sceneNumbered(40).text, "You smoked on the toilettes :-D ");
    const std::string_view cheering = sceneNumbered(49).text;
    EXPECT_TRUE(cheering.ends_with(" ") && !cheering.ends_with("  ")) << "one trailing space after the smiley";
}

}  // namespace
}  // namespace grimstep::testing
