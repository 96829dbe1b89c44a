// Whole play-throughs of the built game, start to end, through pipes.
#include "engine/game_session.hpp"
#include "story/story.hpp"
#include "tests/program/child_process.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <string>

namespace grimstep::testing {
namespace {

// The best route, chapter by chapter; the comments name the points.
const std::string TO_SCHOOL = "1 1 1 1 1 2 ";                        // opening, straight to the bathroom and out
const std::string TO_HISTORY = "1 1 3 1 1 ";                         // classroom, posters, the bell
const std::string HISTORY = "3 3 2 3 1 1 ";                          // keep cool, 1812? (point 1), the bell
const std::string COMPUTER_CLASS = "1 1 1 1 1 1 1 2 1 1 ";           // talk, bell, computer, games, break
const std::string HALLWAY_AND_GYM = "2 1 1 1 1 1 1 1 ";              // skip the girl, gym, escape
const std::string MATH_AND_GEOGRAPHY = "1 1 1 1 1 1 1 1 1 1 2 1 ";   // guess (point 2), then there! (point 3)
const std::string LUNCH_AND_BIOLOGY = "1 1 1 1 1 1 1 1 1 3 1 1 1 ";  // eat it (point 4)
const std::string WAY_HOME = "1 2 2 1 1 1 1 2 1 1 ";                 // the boyfriend (point 5), the bar, home
const std::string TO_THE_END_SCREEN = TO_SCHOOL + TO_HISTORY + HISTORY + COMPUTER_CLASS + HALLWAY_AND_GYM +
                                      MATH_AND_GEOGRAPHY + LUNCH_AND_BIOLOGY + WAY_HOME;
const std::string CREDITS_FROM_THE_END_SCREEN = "1 2 ";  // the end menu, the credits
const std::string END_FROM_THE_CREDITS = "1 3 3\n";      // back to the menu, the end screen, "End it!"

// Straight from the start to the fifth set of options and the hidden room, then its desk.
const std::string HIDDEN_ROUTE = "1 1 1 1 1 2 1 1 3 1 1 3 3 3 3 1 3 ";

const std::string FAREWELL(FAREWELL_PROMPT);

std::string scoreLine(int score) { return "Your score is: " + std::to_string(score) + " out of 5."; }

/// Plays the built game and checks that it ended well: whole screens, the farewell, status 0.
Finished playToTheEnd(const std::string& replies) {
    Finished finished = runThroughPipes({}, replies);
    EXPECT_TRUE(finished.exitedWith(0)) << finished.waitStatus;
    const auto reading = readOutput(story::storyTable(), finished.output);
    EXPECT_TRUE(reading && reading->farewell) << escaped(finished.output.substr(finished.output.size() - 300));
    return finished;
}

TEST(PlayThrough, TheBestRouteScoresFive) {
    const auto finished = playToTheEnd(TO_THE_END_SCREEN + CREDITS_FROM_THE_END_SCREEN + END_FROM_THE_CREDITS);
    EXPECT_NE(finished.output.find(scoreLine(5)), std::string::npos);
    EXPECT_TRUE(finished.output.ends_with(screenOf(109) + FAREWELL));
}

TEST(PlayThrough, TheHiddenRouteFromTheStartScoresNothing) {
    const auto finished = playToTheEnd(HIDDEN_ROUTE + END_FROM_THE_CREDITS);
    EXPECT_NE(finished.output.find(screenOf(113) + screenOf(112, 0)), std::string::npos);
    EXPECT_NE(finished.output.find(scoreLine(0)), std::string::npos);
}

TEST(PlayThrough, AScoringSceneShownAgainCountsOnce) {
    // At every scoring scene: both blank options, then an invalid reply (a number off the menu, one
    // past 32 bits, or a line of letters).
    const std::string replies = TO_SCHOOL + TO_HISTORY + "3 3 2 3 2 3 0 4\nnope\n1 1 " + COMPUTER_CLASS +
                                HALLWAY_AND_GYM + "1 2 3 9\n" + "1 1 1 1 1 1 1 1 1 2 3 2 -1\n" +
                                "1 1 1 1 1 1 1 1 1 1 3 2 2 x\n" + "1 1 1 1 2 2 3 2 99999999999\n" + "1 1 1 1 2 1 1 " +
                                CREDITS_FROM_THE_END_SCREEN + END_FROM_THE_CREDITS;
    const auto finished = playToTheEnd(replies);
    EXPECT_NE(finished.output.find(scoreLine(5)), std::string::npos);
    EXPECT_EQ(readOutput(story::storyTable(), finished.output)->complaints, 7);
}

TEST(PlayThrough, StartAgainCountsFromNothing) {
    // A full play-through with five points, "Start again!", then the hidden route to the credits.
    const auto finished = playToTheEnd(TO_THE_END_SCREEN + "2 " + HIDDEN_ROUTE + END_FROM_THE_CREDITS);
    const auto again = finished.output.find(screenOf(109) + screenOf(1));
    ASSERT_NE(again, std::string::npos);
    EXPECT_NE(finished.output.find(scoreLine(0), again), std::string::npos);
    EXPECT_EQ(finished.output.find(scoreLine(5)), std::string::npos);
}

TEST(PlayThrough, EndItEndsTheGameAtOnce) {
    const auto finished = playToTheEnd(TO_THE_END_SCREEN + "3 1 1 1\n");
    EXPECT_TRUE(finished.output.ends_with(screenOf(109) + FAREWELL));
}

}  // namespace
}  // namespace grimstep::testing
