// Whole play-throughs of the built game, start to end, through pipes: every file of replies in
// tests/replies played by the built program and held to the engine, and what the main ones show.
#include "engine/game_session.hpp"
#include "story/story.hpp"
#include "tests/program/child_process.hpp"
#include "tests/support/reply_files.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace grimstep::testing {
namespace {

const std::string FAREWELL(FAREWELL_PROMPT);

std::string scoreLine(int score) { return "Your score is: " + std::to_string(score) + " out of 5."; }

class ReplyFile : public ::testing::TestWithParam<std::string> {};

// The built program prints to the byte what the engine prints for the same replies, and ends well.
TEST_P(ReplyFile, PlaysAsTheEngineDoes) {
    const std::string replies = repliesIn(GetParam());
    const Finished finished = runThroughPipes({}, replies);
    const Play expected = play(replies);
    EXPECT_TRUE(finished.exitedWith(0)) << finished.waitStatus;
    EXPECT_EQ(escaped(finished.output), escaped(expected.output));
    EXPECT_TRUE(expected.farewell);
}

INSTANTIATE_TEST_SUITE_P(PlayThrough, ReplyFile, ::testing::ValuesIn(replyFileNames()), [](const auto& info) {
    return info.param.substr(0, info.param.find('.'));
});

/// Plays a file of replies through the built game and checks that it ended well.
Finished playFile(const std::string& name) {
    Finished finished = runThroughPipes({}, repliesIn(name));
    EXPECT_TRUE(finished.exitedWith(0)) << finished.waitStatus;
    const auto reading = readOutput(story::storyTable(), finished.output);
    EXPECT_TRUE(reading && reading->farewell) << escaped(finished.output.substr(finished.output.size() - 300));
    return finished;
}

TEST(PlayThrough, TheBestRouteScoresFive) {
    const auto finished = playFile("best_route_to_the_credits.txt");
    EXPECT_NE(finished.output.find(scoreLine(5)), std::string::npos);
    EXPECT_TRUE(finished.output.ends_with(screenOf(109) + FAREWELL));
}

TEST(PlayThrough, TheHiddenRouteFromTheStartScoresNothing) {
    const auto finished = playFile("hidden_route.txt");
    EXPECT_NE(finished.output.find(screenOf(113) + screenOf(112, 0)), std::string::npos);
    EXPECT_NE(finished.output.find(scoreLine(0)), std::string::npos);
}

TEST(PlayThrough, AScoringSceneShownAgainCountsOnce) {
    // At every scoring scene: both blank options, then an invalid reply (a number off the menu, one
    // past 32 bits, or a line of letters).
    const auto finished = playFile("scoring_scenes_shown_again.txt");
    EXPECT_NE(finished.output.find(scoreLine(5)), std::string::npos);
    EXPECT_EQ(readOutput(story::storyTable(), finished.output)->complaints, 7);
}

TEST(PlayThrough, StartAgainCountsFromNothing) {
    // A full play-through with five points, "Start again!", then the hidden route to the credits.
    const auto finished = playFile("start_again.txt");
    const auto again = finished.output.find(screenOf(109) + screenOf(1));
    ASSERT_NE(again, std::string::npos);
    EXPECT_NE(finished.output.find(scoreLine(0), again), std::string::npos);
    EXPECT_EQ(finished.output.find(scoreLine(5)), std::string::npos);
}

TEST(PlayThrough, EndItEndsTheGameAtOnce) {
    const auto finished = playFile("end_it_on_the_end_screen.txt");
    EXPECT_TRUE(finished.output.ends_with(screenOf(109) + FAREWELL));
}

TEST(PlayThrough, TheEndOfTheInputMidwayIsAQuit) {
    const auto finished = playFile("end_of_input.txt");
    EXPECT_TRUE(finished.output.ends_with(screenOf(20) + FAREWELL));
}

/// A file of replies and every screen it must show, in order, with the complaints on the way.
struct ShownCase {
    const char* file;
    std::vector<std::int32_t> shown;
    int complaints;
};

void PrintTo(const ShownCase& shown, std::ostream* out) { *out << shown.file; }

class ShowsTheseScreens : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShowsTheseScreens, InThisOrder) {
    const auto finished = playFile(GetParam().file);
    const auto reading = readOutput(story::storyTable(), finished.output);
    ASSERT_TRUE(reading.has_value());
    EXPECT_EQ(reading->shown, GetParam().shown);
    EXPECT_EQ(reading->complaints, GetParam().complaints);
}

INSTANTIATE_TEST_SUITE_P(
    PlayThrough,
    ShowsTheseScreens,
    ::testing::Values(
        // Several numbers on a line are successive choices, each on the screen the one before led to.
        ShownCase{"several_numbers_on_a_line.txt", {1, 2, 3, 6, 8, 9, 11, 12, 13, 13}, 0},
        // Windows line ends read as any other: the carriage return is white space.
        ShownCase{"windows_line_ends.txt", {1, 2, 3, 6, 6, 6, 11, 12, 12}, 2}),
    [](const auto& info) {
        const std::string file = info.param.file;
        return file.substr(0, file.find('.'));
    });

TEST(PlayThrough, InvalidAndNonNumericRepliesEachEarnOneComplaint) {
    const auto finished = playFile("invalid_and_non_numeric.txt");
    const auto reading = readOutput(story::storyTable(), finished.output);
    // 0, 4, -1, 100, two past 32 bits, "abc", "?!", "+ 1", then "-0" and "x2 3" (the 3 goes with
    // the rest of its line) on the next scene: eleven; +1 and 02 choose, the title screen quits.
    EXPECT_EQ(reading->complaints, 11);
    EXPECT_TRUE(finished.output.ends_with(screenOf(3) + FAREWELL));
}

}  // namespace
}  // namespace grimstep::testing
