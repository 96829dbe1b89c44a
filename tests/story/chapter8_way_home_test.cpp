// The way home: the last meeting at the school (and its point), both sides of the crossroads,
// the flooded hallway, and the pictures of the signpost and the three strangers.
#include "engine/scene.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

using Scenes = std::vector<std::int32_t>;

bool showed(const Play& p, std::int32_t scene) { return std::ranges::find(p.shown, scene) != p.shown.end(); }

// ---------------------------------------------------------------------------------------------
// The girl at the school gate

struct MeetingCase {
    const char* name;
    const char* replies;  // typed on scene 92
    Scenes shown;         // from scene 92 on
    bool point;           // whether scene 97 was reached
};

void PrintTo(const MeetingCase& c, std::ostream* os) { *os << c.name; }

class WayHomeMeeting : public ::testing::TestWithParam<MeetingCase> {};

TEST_P(WayHomeMeeting, ReachesTheWalkHomeAndScoresOnlyThroughTheBoyfriendQuestion) {
    const MeetingCase& c = GetParam();
    const auto before = play(routeTo(92));
    const auto p = play(routeTo(92) + " " + c.replies);

    EXPECT_EQ(lastShown(p, c.shown.size()), c.shown);
    EXPECT_EQ(p.shown.back(), 98) << "every way past the girl ends with the walk home";
    EXPECT_EQ(showed(p, 97), c.point);
    EXPECT_EQ(p.score, before.score + (c.point ? 1 : 0));
    EXPECT_EQ(p.complaints, 0);
}

INSTANTIATE_TEST_SUITE_P(
    WaysPastTheGirl,
    WayHomeMeeting,
    ::testing::Values(
        MeetingCase{"BoyfriendStraightAway", "1 2 2 1", {92, 93, 95, 97, 98}, true},
        MeetingCase{"BoyfriendAfterSmallTalk", "1 2 1 2 1", {92, 93, 95, 96, 97, 98}, true},
        MeetingCase{"BoyfriendAfterBlankInSmallTalk", "1 2 1 1 2 1", {92, 93, 95, 96, 96, 97, 98}, true},
        MeetingCase{"XxXSkipsTheTalk", "2", {92, 98}, false},
        MeetingCase{"ByeAtHello", "1 3", {92, 93, 98}, false},
        MeetingCase{"OutburstThenBlanksThenBye", "1 1 1 2 3", {92, 93, 94, 94, 94, 98}, false},
        MeetingCase{"ByeAtWhyAreYouHere", "1 2 3", {92, 93, 95, 98}, false},
        MeetingCase{"ByeAfterSmallTalk", "1 2 1 3", {92, 93, 95, 96, 98}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WayHomeGirl, TheDivorceCountsOnceEvenWhenShownAgain) {
    const auto before = play(routeTo(92));
    const auto p = play(routeTo(92) + " 1 2 2 2 3 1");
    EXPECT_EQ(lastShown(p, 6), (Scenes{93, 95, 97, 97, 97, 98}));
    EXPECT_EQ(p.score, before.score + 1);
}

TEST(WayHomeGirl, TheOutburstIsShoutedInCapitals) {
    const std::string_view outburst = sceneNumbered(93).options[0].label;
    ASSERT_GE(outburst.size(), 4U);
    EXPECT_TRUE(outburst.ends_with("!!!")) << outburst;
    EXPECT_FALSE(outburst.ends_with("!!!!")) << outburst;
    EXPECT_TRUE(std::ranges::none_of(outburst, [](char ch) { return ch >= 'a' && ch <= 'z'; })) << outburst;
    EXPECT_EQ(sceneNumbered(93).options[0].target, 94);
}

// ---------------------------------------------------------------------------------------------
// The crossroads and the two ways home

struct CrossroadsCase {
    const char* name;
    const char* replies;  // typed on scene 100
    Scenes shown;         // from scene 100 on
};

void PrintTo(const CrossroadsCase& c, std::ostream* os) { *os << c.name; }

class WayHomeCrossroads : public ::testing::TestWithParam<CrossroadsCase> {};

TEST_P(WayHomeCrossroads, EveryWayEndsAtHome) {
    const CrossroadsCase& c = GetParam();
    const auto p = play(routeTo(100) + " " + c.replies);
    EXPECT_EQ(lastShown(p, c.shown.size()), c.shown);
    EXPECT_EQ(p.complaints, 0);
}

INSTANTIATE_TEST_SUITE_P(
    BothSides,
    WayHomeCrossroads,
    ::testing::Values(
        CrossroadsCase{"RightThenLeave", "1 2", {100, 101, 107}},
        CrossroadsCase{"RightDrinkThenKush", "1 1 1 1", {100, 101, 102, 103, 107}},
        CrossroadsCase{"RightDrinkThenMoar", "1 1 2 1", {100, 101, 102, 103, 107}},
        CrossroadsCase{"RightDrinkLeaveIsNotLeaving", "1 1 3 1 1", {100, 101, 102, 104, 103, 107}},
        CrossroadsCase{
            "BlanksStayPut", "3 1 3 1 3 2 3 1 2 3 1", {100, 100, 101, 101, 102, 104, 104, 104, 103, 103, 103, 107}},
        CrossroadsCase{"LeftThenByeBye", "2 2", {100, 105, 107}},
        CrossroadsCase{"LeftSayHello", "2 1 1", {100, 105, 106, 107}},
        CrossroadsCase{"LeftBlanksStayPut", "2 3 1 2 3 1", {100, 105, 105, 106, 106, 106, 107}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WayHome, TheWalkLeadsToTheCrossroads) {
    const auto p = play(routeTo(98) + " 2 3 1 2 3 1");
    EXPECT_EQ(lastShown(p, 7), (Scenes{98, 98, 98, 99, 99, 99, 100}));
}

TEST(WayHome, TheFloodedHallwayLeadsToTheEndScreen) {
    const auto p = play(routeTo(107) + " 2 3 1 2 3 1");
    EXPECT_EQ(lastShown(p, 7), (Scenes{107, 107, 107, 108, 108, 108, 109}));
}

TEST(WayHome, TheFloodComesFromTheWaterLeftRunning) {
    const std::string_view flood = sceneNumbered(108).text;
    EXPECT_EQ(linesOf(flood).size(), 1U);
    EXPECT_NE(flood.find("water"), std::string_view::npos) << flood;
    EXPECT_NE(flood.find("brushing my teeth"), std::string_view::npos) << flood;
}

// ---------------------------------------------------------------------------------------------
// Shapes of the texts and pictures

TEST(WayHome, NarrationLinesAreSingleLines) {
    for (const std::int32_t scene : {92, 101, 103, 108}) {
        EXPECT_EQ(linesOf(sceneNumbered(scene).text).size(), 1U) << "scene " << scene;
    }
}

TEST(WayHome, TheSignpostIsSevenIndentedLinesUnderTheNarration) {
    const auto lines = linesOf(sceneNumbered(100).text);
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_NE(lines[0].find("crossroads"), std::string_view::npos) << lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("  ")) << "picture line " << i << " is not indented: " << lines[i];
        EXPECT_FALSE(lines[i].ends_with(" ")) << "picture line " << i;
    }
    EXPECT_TRUE(lines[1].ends_with(">")) << "the top arrow points right: " << lines[1];
    EXPECT_NE(lines[2].find("Dead horse's"), std::string_view::npos) << lines[2];
    EXPECT_NE(lines[3].find('<'), std::string_view::npos) << "the second arrow points left: " << lines[3];
    EXPECT_NE(lines[4].find("???"), std::string_view::npos) << lines[4];
    EXPECT_EQ(lines[5], lines[6]) << "the post is one piece, three lines tall";
    EXPECT_EQ(lines[6], lines[7]) << "the post is one piece, three lines tall";
}

TEST(WayHome, TheThreeStrangersAreTheSamePictureOnBothScreens) {
    const auto corner = linesOf(sceneNumbered(105).text);
    const auto chat = linesOf(sceneNumbered(106).text);
    ASSERT_EQ(corner.size(), 3U);
    ASSERT_EQ(chat.size(), 5U);
    EXPECT_EQ(corner[1], chat[3]);
    EXPECT_EQ(corner[2], chat[4]);
    EXPECT_EQ(std::ranges::count(corner[1], 'O'), 3) << "three heads: " << corner[1];
}

TEST(WayHome, TheStrangerAndYouTakeTurns) {
    const auto chat = linesOf(sceneNumbered(106).text);
    ASSERT_EQ(chat.size(), 5U);
    const auto colon = chat[0].find(": ");
    ASSERT_NE(colon, std::string_view::npos) << chat[0];
    ASSERT_GT(colon, 0U);
    const std::string_view stranger = chat[0].substr(0, colon + 2);
    EXPECT_NE(stranger, "You: ");
    EXPECT_TRUE(chat[1].starts_with("You: ")) << chat[1];
    EXPECT_TRUE(chat[2].starts_with(stranger)) << "the same stranger answers: " << chat[2];
}

}  // namespace
}  // namespace grimstep::testing
