// Arrival at school and the first break: the two faces on arrival, the classroom (study, draw or the
// posters), the bell for history, and the pictures' sizes.
#include "story/chapter2_arrival.hpp"
#include "story/grinning_face.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

using Shown = std::vector<std::int32_t>;

class ArrivalWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(ArrivalWalk, ShowsTheExpectedScenes) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Arrival,
    ArrivalWalk,
    ::testing::Values(
        // The main line: in, the posters, leave, the bell, history.
        Walk{14, "1 1 3 1 1", {17, 20, 23, 24, 25}},
        // Both side trips come back to the school door, and FORWARD! still goes in.
        Walk{14, "2 1 3 1 1", {15, 14, 16, 14, 17}},
        Walk{14, "3 1 2 1 1", {16, 14, 15, 14, 17}},
        // Looking at the posters goes round until you leave.
        Walk{17, "1 1 1 2 1 1 1 3", {20, 21, 20, 22, 20, 21, 20, 23}},
        // Drawing skips the posters and goes straight to the bell, whether or not you tried to study.
        Walk{17, "3 1", {19, 23}},
        Walk{17, "2 2 1", {18, 19, 23}},
        Walk{17, "2 1 3", {18, 20, 23}},
        // Nah. means nah, however often you ask.
        Walk{17, "2 3 3 2", {18, 18, 18, 19}},
        // The blanks of the faces, the drawing, the posters and the bells stay put.
        Walk{15, "2 3 1", {15, 15, 14}},
        Walk{16, "2 3 1", {16, 16, 14}},
        Walk{19, "2 3 1", {19, 19, 23}},
        Walk{20, "1 2 3 1", {21, 21, 21, 20}},
        Walk{20, "2 2 3 1", {22, 22, 22, 20}},
        Walk{23, "2 3 1", {23, 23, 24}},
        Walk{24, "2 3 1", {24, 24, 25}}));

TEST(Arrival, OnlyForwardLeavesTheSchoolDoor) {
    // Every way out of 14, 15 and 16 that is not FORWARD! ends back at one of the three.
    for (const std::int32_t number : {14, 15, 16}) {
        const Scene& scene = sceneNumbered(number);
        for (std::size_t i = 0; i < scene.options.size(); ++i) {
            if (number == 14 && i == 0) {
                EXPECT_EQ(scene.options[i].target, 17);
                continue;
            }
            const std::int32_t target = scene.options[i].target;
            EXPECT_TRUE(target >= 14 && target <= 16) << "scene " << number << " option " << i + 1;
        }
    }
}

TEST(Arrival, EveryBlankOptionShowsItsOwnSceneAgain) {
    for (const Scene& scene : story::ARRIVAL_AND_FIRST_BREAK) {
        for (const SceneOption& option : scene.options) {
            if (option.label.empty()) {
                EXPECT_EQ(option.target, scene.number) << "scene " << scene.number;
            }
        }
    }
}

TEST(Arrival, NahShowsTheSameScreenAgain) {
    const std::string route = routeTo(18);
    const Play p = play(route + " 3");
    const std::string twice = screenOf(18) + screenOf(18);
    EXPECT_NE(p.output.find(twice), std::string::npos);
    EXPECT_EQ(p.shown.back(), 18);
}

TEST(Arrival, TheOnlyWayOutIsTheBellForHistory) {
    for (const Scene& scene : story::ARRIVAL_AND_FIRST_BREAK) {
        for (const SceneOption& option : scene.options) {
            const bool inside = option.target >= 14 && option.target <= 24;
            EXPECT_TRUE(inside || (scene.number == 24 && option.target == 25))
                << "scene " << scene.number << " leads to " << option.target;
        }
    }
}

TEST(Arrival, ScreamingLabelsHaveTheirCountedMarks) {
    EXPECT_EQ(sceneNumbered(16).options[0].label, std::string(74, 'A'));
    const std::string again =
        "AGAIN" + std::string(13, '?') + std::string(11, '!') + std::string(9, '?') + std::string(9, '!');
    EXPECT_EQ(sceneNumbered(24).options[0].label, again);
    EXPECT_EQ(sceneNumbered(23).options[0].label, "AGAIN??????");
}

/// How many lines a text has.
struct Height {
    std::int32_t scene;
    std::size_t lines;
};

void PrintTo(const Height& height, std::ostream* out) { *out << "scene " << height.scene; }

class ArrivalTextHeight : public ::testing::TestWithParam<Height> {};

TEST_P(ArrivalTextHeight, HasItsNumberOfLines) {
    EXPECT_EQ(linesOf(sceneNumbered(GetParam().scene).text).size(), GetParam().lines);
}

// The faces and the drawing; scene 14 is one long line of narration.
INSTANTIATE_TEST_SUITE_P(Arrival, ArrivalTextHeight, ::testing::Values(Height{15, 18}, Height{16, 9}, Height{19, 7}));

TEST(Arrival, TheNarrationOnArrivalIsOneLine) { EXPECT_EQ(linesOf(sceneNumbered(14).text).size(), 1U); }

TEST(Arrival, TheHornedFaceIsSixteenLinesBetweenAnEmptyLineAndTheCaption) {
    const auto lines = linesOf(sceneNumbered(15).text);
    ASSERT_EQ(lines.size(), 18U);
    EXPECT_EQ(lines.front(), "");
    EXPECT_EQ(lines.back(), "What did you say?");
    for (std::size_t i = 1; i <= 16; ++i) {
        EXPECT_FALSE(lines[i].empty()) << "picture line " << i;
        EXPECT_NE(lines[i].back(), ' ') << "picture line " << i;
    }
}

TEST(Arrival, TheFaceAtTheWindowIsTheGrinningFace) {
    const auto lines = linesOf(sceneNumbered(16).text);
    const auto face = linesOf(story::GRINNING_FACE.view());
    ASSERT_EQ(face.size(), 6U);
    ASSERT_EQ(lines.size(), 9U);
    EXPECT_EQ(lines[0], "");
    for (std::size_t i = 0; i < face.size(); ++i) {
        EXPECT_EQ(lines[1 + i], face[i]) << "face line " << i + 1;
    }
    EXPECT_EQ(lines[7], " H3LL0 4G41N!!!!");
    EXPECT_EQ(lines[8], "\t\t\t");
}

TEST(Arrival, TheMasterpieceIsOneDotAfterATab) {
    const std::string_view text = sceneNumbered(19).text;
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[0], "");
    EXPECT_FALSE(lines[1].empty());
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "\t.");
    EXPECT_EQ(lines[4], "\t");
    ASSERT_FALSE(lines[5].empty());
    EXPECT_EQ(lines[5].front(), '(');
    EXPECT_EQ(lines[5].back(), ')');
    EXPECT_EQ(lines[6], "");
    // Ends with a line break, so an empty line stands before the first option.
    EXPECT_NE(screenOf(19).find("\n\n1. Next.\n"), std::string::npos);
}

}  // namespace
}  // namespace grimstep::testing
