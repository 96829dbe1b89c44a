// The loop on a small story of its own, so that these tests do not move with the real one.
#include "engine/game_session.hpp"
#include "engine/table_check.hpp"
#include "tests/support/scripted_console.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace grimstep {
namespace {

// 1 start -> 2 point -> 3 credits.
constexpr Scene FIXTURE[] = {
    {.number = 1, .text = "Start %s 100% %d\n", .options = {{{"Go", 2}, {"", 1}, {"Quit", END_QUIT}}}},
    {.number = 2,
     .text = "Point!",
     .options = {{{"Credits", 3}, {"", 2}, {"Restart", 1}}},
     .effect = SceneEffect::AwardPoint},
    {.number = 3,
     .text = "Score: %d of 1.",
     .options = {{{"Again", 3}, {"", 2}, {"End", END_FINAL}}},
     .effect = SceneEffect::ShowScore},
};
constexpr std::int32_t POINT_SCENES[] = {2};
constexpr TableRules RULES = {
    .sceneCount = 3, .pointScenes = POINT_SCENES, .scoreScene = 3, .quitOption = {1, 3}, .finalOption = {3, 3}};
constexpr CheckedTable TABLE = checkedTable<FIXTURE, RULES>();

std::string screen(std::int32_t number, std::int32_t score = 0) {
    return testing::screenOf(FIXTURE[number - 1], score);
}
const std::string COMPLAINT(INVALID_CHOICE_MESSAGE);
const std::string FAREWELL(FAREWELL_PROMPT);

struct LoopCase {
    const char* name;
    std::string input;
    std::string expected;
};

void PrintTo(const LoopCase& loop, std::ostream* out) { *out << loop.name; }

class Loop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(Loop, PrintsExactlyThis) {
    testing::ScriptedConsole console{GetParam().input};
    GameSession session{TABLE, console};
    EXPECT_EQ(session.run(), 0);
    EXPECT_EQ(console.output(), GetParam().expected);
    EXPECT_EQ(console.keyWaits(), 1);
    EXPECT_EQ(console.unread(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    GameSession,
    Loop,
    ::testing::Values(
        // End of input is a quit: the farewell and the keypress.
        LoopCase{"end_of_input", "", screen(1) + FAREWELL},
        LoopCase{"quit", "3\n", screen(1) + FAREWELL},
        LoopCase{"zero", "0\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"four", "4\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"minus_one", "-1\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"hundred", "100\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"past_32_bits", "4294967297\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"valid_after_invalid", "7\n1\n", screen(1) + COMPLAINT + screen(1) + screen(2, 1) + FAREWELL},
        LoopCase{"plus_sign", "+1\n", screen(1) + screen(2) + FAREWELL},
        LoopCase{"leading_zero", "01\n", screen(1) + screen(2) + FAREWELL},
        LoopCase{"empty_lines_print_nothing", "\n\n\n1\n", screen(1) + screen(2) + FAREWELL},
        LoopCase{"two_numbers_on_a_line", "1 1\n", screen(1) + screen(2) + screen(3, 1) + FAREWELL},
        LoopCase{"letters_earn_one_complaint", "abc 1\n", screen(1) + COMPLAINT + screen(1) + FAREWELL},
        LoopCase{"letters_then_a_choice", "go!\n1\n", screen(1) + COMPLAINT + screen(1) + screen(2) + FAREWELL},
        LoopCase{"end_value_on_a_later_scene", "1 1 3\n", screen(1) + screen(2) + screen(3, 1) + FAREWELL},
        // Scene 3's blank option leads elsewhere: to scene 2.
        LoopCase{
            "blank_option_follows_its_target", "1 1 2\n", screen(1) + screen(2) + screen(3, 1) + screen(2) + FAREWELL},
        // The blank option of scene 1 shows scene 1 again.
        LoopCase{"blank_option_to_itself", "2\n", screen(1) + screen(1) + FAREWELL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameSession, PrintsTextsAsTheyStand) {
    testing::ScriptedConsole console{""};
    GameSession session{TABLE, console};
    session.run();
    EXPECT_TRUE(console.output().starts_with("Start %s 100% %d\n\n1. Go\n2. \n3. Quit\n"));
}

struct ScoreCase {
    const char* name;
    const char* input;
    std::int32_t credits;  // the score the credits show at the end
};

void PrintTo(const ScoreCase& score, std::ostream* out) { *out << score.name; }

class Score : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(Score, CountsEachScoringSceneOncePerPlayThrough) {
    const auto play = testing::playTable(TABLE, GetParam().input);
    ASSERT_FALSE(play.shown.empty());
    EXPECT_EQ(play.shown.back(), 3);
    EXPECT_TRUE(play.output.ends_with(screen(3, GetParam().credits) + FAREWELL)) << play.output;
    EXPECT_EQ(play.score, GetParam().credits);
}

INSTANTIATE_TEST_SUITE_P(
    GameSession,
    Score,
    ::testing::Values(
        ScoreCase{"straight", "1 1", 1},
        ScoreCase{"blank_option_reshows_the_point", "1 2 2 2 1", 1},
        ScoreCase{"invalid_replies_reshow_the_point", "1 0 9 x\n-4 1", 1},
        ScoreCase{"back_from_the_credits", "1 1 2 1", 1},
        ScoreCase{"a_new_play_through_counts_from_nothing", "1 3 1 1", 1},
        ScoreCase{"the_start_screen_resets", "1 3 2 2 1 1", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameSession, CreditsShowZeroWithoutAPoint) {
    static constexpr Scene scenes[] = {
        {.number = 1, .text = "Go", .options = {{{"Credits", 2}, {"", 1}, {"", 1}}}},
        {.number = 2,
         .text = "You got %d!",
         .options = {{{"Bye", END_QUIT}, {"", 2}, {"", 2}}},
         .effect = SceneEffect::ShowScore},
    };
    static constexpr TableRules rules = {
        .sceneCount = 2, .pointScenes = {}, .scoreScene = 2, .quitOption = {2, 1}, .finalOption = {}};
    static constexpr CheckedTable table = checkedTable<scenes, rules>();
    const auto play = testing::playTable(table, "1");
    EXPECT_TRUE(play.output.ends_with("You got 0!\n1. Bye\n2. \n3. \n" + FAREWELL));
}

TEST(GameSession, WritesEachScreenInOnePiece) {
    testing::ScriptedConsole console{"5 1 x\n2\n"};
    GameSession session{TABLE, console};
    session.run();
    // Screens: 1, complaint + 1, 2, complaint + 2, 2; then the farewell.
    EXPECT_EQ(console.writes(), 6);
}

/// A screen that narrows after the first write, as a terminal window that the player resizes.
class NarrowingConsole final : public Console {
public:
    bool write(std::string_view bytes) override {
        writes.emplace_back(bytes);
        return true;
    }
    int readByte() override { return taken_ < input_.size() ? input_[taken_++] : END_OF_INPUT; }
    void waitForKey() override {}
    std::size_t columns() override { return writes.empty() ? UNLIMITED_COLUMNS : 6; }

    std::vector<std::string> writes;

private:
    std::string_view input_ = "1\n";
    std::size_t taken_ = 0;
};

TEST(GameSession, WrapsEachScreenToTheWidthOfThatMoment) {
    NarrowingConsole console;
    GameSession session{TABLE, console};
    EXPECT_EQ(session.run(), 0);
    ASSERT_EQ(console.writes.size(), 3U);
    EXPECT_EQ(console.writes[0], screen(1)) << "unlimited: the bytes as they are";
    EXPECT_EQ(console.writes[1], "Point!\n1.\nCredit\ns\n2. \n3.\nRestar\nt\n") << "six columns wide";
    EXPECT_EQ(console.writes[2], FAREWELL.substr(0, 5) + "\nany\nkey to\nsave\nyourse\nlf.\n");
}

TEST(GameSession, EndsWhenOutputCannotBeWritten) {
    testing::ScriptedConsole console{"2 2 2 2\n"};
    console.failWrites();
    GameSession session{TABLE, console};
    EXPECT_EQ(session.run(), GameSession::OUTPUT_FAILED);
    EXPECT_EQ(console.writes(), 1);  // no second try, no busy loop
    EXPECT_EQ(console.reads(), 0);   // nobody can see the screen, so no reply is awaited
    EXPECT_EQ(console.keyWaits(), 0);
}

}  // namespace
}  // namespace grimstep
