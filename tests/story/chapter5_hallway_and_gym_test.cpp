// The hallway and gym class: meeting Zubrinka (or walking past her), the bell, the ball in the
// stomach and the two ways of crying, the teacher's laugh and the escape to math class.
#include "story/chapter5_hallway_and_gym.hpp"
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

class HallwayAndGymWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(HallwayAndGymWalk, ShowsTheExpectedScenesWithoutScoring) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    HallwayAndGym,
    HallwayAndGymWalk,
    ::testing::Values(
        // The main line: talk to her, try not to cry, on to math.
        Walk{51, "1 1 1 1 1 1 1 1 1 1", {52, 53, 54, 55, 56, 58, 59, 60, 61, 62}},
        // Screw it! goes straight to the bell, past the whole meeting.
        Walk{51, "2 1", {54, 55}},
        Walk{51, "3", {51}},
        // Both ways of crying end up being laughed at.
        Walk{56, "1 1", {58, 59}},
        Walk{56, "2 1", {57, 59}},
        Walk{56, "3", {56}},
        // Revenge or silence, the ball comes back either way.
        Walk{59, "1", {60}},
        Walk{59, "2", {60}},
        Walk{59, "3", {59}},
        // Blank options stay put.
        Walk{52, "2 3 1", {52, 52, 53}},
        Walk{53, "2 3 1", {53, 53, 54}},
        Walk{57, "2 3 1", {57, 57, 59}},
        Walk{58, "2 3 1", {58, 58, 59}},
        Walk{61, "2 3 1", {61, 61, 62}}));

TEST(HallwayAndGym, ScrewItNeverShowsTheMeeting) {
    const Play p = play(routeTo(51) + " 2 1 1 1 1 1 1 1");
    ASSERT_FALSE(p.shown.empty());
    EXPECT_EQ(p.shown.back(), 62);
    for (const std::int32_t scene : p.shown) {
        EXPECT_NE(scene, 52);
        EXPECT_NE(scene, 53);
    }
}

TEST(HallwayAndGym, BlankOptionShowsTheWholeDialogueAgain) {
    const Play p = play(routeTo(52) + " 2");
    EXPECT_NE(p.output.find(screenOf(52) + screenOf(52)), std::string::npos);
    ASSERT_GE(p.shown.size(), 2U);
    EXPECT_EQ(std::vector(p.shown.end() - 2, p.shown.end()), (Shown{52, 52}));
}

TEST(HallwayAndGym, DialogueTakesTurnsAndNamesHer) {
    const auto lines = linesOf(sceneNumbered(52).text);
    ASSERT_EQ(lines.size(), 5U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view speaker = i % 2 == 0 ? "You: " : "She: ";
        EXPECT_TRUE(lines[i].starts_with(speaker)) << "line " << i << ": " << lines[i];
    }
    EXPECT_NE(sceneNumbered(52).text.find("Zubrinka"), std::string_view::npos);

    const std::string_view goodbye = sceneNumbered(53).text;
    EXPECT_TRUE(goodbye.starts_with("She: "));
    EXPECT_NE(goodbye.find("moved in"), std::string_view::npos);
}

TEST(HallwayAndGym, NarrationIsOneLineEach) {
    for (const std::int32_t number : {51, 53, 54, 55, 56, 57, 58, 59, 60, 61}) {
        EXPECT_EQ(linesOf(sceneNumbered(number).text).size(), 1U) << "scene " << number;
    }
}

TEST(HallwayAndGym, BothWaysOfCryingEndInTheSameJeer) {
    const std::string_view jeer = story::CRYBABY_REMARK.view();
    EXPECT_TRUE(sceneNumbered(57).text.ends_with(jeer));
    EXPECT_TRUE(sceneNumbered(58).text.ends_with(jeer));
    EXPECT_NE(sceneNumbered(57).text, sceneNumbered(58).text);
}

TEST(HallwayAndGym, CountedLettersAreExact) {
    EXPECT_EQ(sceneNumbered(54).text, "*RIIIIIING*");
    EXPECT_EQ(sceneNumbered(56).options[1].label, "BUEEEEEEEEEEEE");
    EXPECT_EQ(sceneNumbered(60).options[0].label, "RUUUUUUUUN!!!");
}

}  // namespace
}  // namespace grimstep::testing
