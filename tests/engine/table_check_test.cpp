// The table check on small broken tables, one per invariant, so each check is known to bite.
#include "engine/table_check.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grimstep {
namespace {

// Long texts live here so the fixtures below can point into them.
const std::string LONGEST_TEXT(MAX_TEXT_LENGTH, 'x');
const std::string TOO_LONG_TEXT(MAX_TEXT_LENGTH + 1, 'x');
const std::string LONGEST_LABEL(MAX_LABEL_LENGTH, 'x');
const std::string TOO_LONG_LABEL(MAX_LABEL_LENGTH + 1, 'x');

Scene scene(std::int32_t number, std::string_view text, std::array<SceneOption, 3> options,
            SceneEffect effect = SceneEffect::None) {
    return {.number = number, .text = text, .options = options, .effect = effect};
}

/// A sound two-scene story: 1 -> 2 -> back to 1 or the end.
std::vector<Scene> soundStory() {
    return {scene(1, "one", {{{"Next", 2}, {"", 1}, {"", 1}}}),
            scene(2, "two", {{{"Back", 1}, {"Quit", END_QUIT}, {"End", END_FINAL}}})};
}

struct BrokenCase {
    const char* name;
    std::vector<Scene> scenes;
    TableDiagnosis expected;
};

std::vector<BrokenCase> brokenCases() {
    using enum TableFault;
    const auto story = soundStory();
    auto with = [&](std::size_t index, Scene replacement) {
        auto scenes = story;
        scenes[index] = replacement;
        return scenes;
    };
    const auto& one = story[0];
    const auto& two = story[1];
    return {
        {"empty", {}, {Empty, 0}},
        {"does_not_start_at_1", {two}, {NumberOutOfSequence, 2}},
        {"repeated_number", {one, one}, {NumberOutOfSequence, 1}},
        {"reordered", {two, one}, {NumberOutOfSequence, 2}},
        {"gap", {one, scene(3, "three", two.options)}, {NumberOutOfSequence, 3}},
        {"empty_text", with(1, scene(2, "", two.options)), {TextLength, 2}},
        {"text_too_long", with(1, scene(2, TOO_LONG_TEXT, two.options)), {TextLength, 2}},
        {"label_too_long", with(1, scene(2, "two", {{{TOO_LONG_LABEL, 1}, {"", 2}, {"", 2}}})), {LabelLength, 2}},
        {"label_with_line_feed", with(1, scene(2, "two", {{{"a\nb", 1}, {"", 2}, {"", 2}}})), {LabelLineBreak, 2}},
        {"label_with_tab", with(1, scene(2, "two", {{{"", 2}, {"a\tb", 1}, {"", 2}}})), {LabelLineBreak, 2}},
        {"carriage_return_in_text", with(1, scene(2, "two\r\n", two.options)), {ForbiddenCharacter, 2}},
        {"delete_in_label", with(1, scene(2, "two", {{{"a\x7f", 1}, {"", 2}, {"", 2}}})), {ForbiddenCharacter, 2}},
        {"eight_bit_in_text", with(1, scene(2, "caf\xc3\xa9", two.options)), {ForbiddenCharacter, 2}},
        {"nul_in_text", with(1, scene(2, std::string_view("a\0b", 3), two.options)), {ForbiddenCharacter, 2}},
        {"all_options_blank", with(1, scene(2, "two", {{{"", 1}, {"", 2}, {"", 2}}})), {AllOptionsBlank, 2}},
        {"target_zero", with(1, scene(2, "two", {{{"Back", 0}, {"", 2}, {"", 2}}})), {UnknownTarget, 2}},
        {"target_negative", with(1, scene(2, "two", {{{"Back", -1}, {"", 2}, {"", 2}}})), {UnknownTarget, 2}},
        {"end_value_unknown", with(1, scene(2, "two", {{{"Back", 201}, {"", 2}, {"", 2}}})), {UnknownTarget, 2}},
        {"score_without_placeholder", with(1, scene(2, "score", two.options, SceneEffect::ShowScore)), {PercentSign, 2}},
        {"score_placeholder_twice", with(1, scene(2, "%d and %d", two.options, SceneEffect::ShowScore)), {PercentSign, 2}},
        {"score_with_stray_percent", with(1, scene(2, "%d of 100%", two.options, SceneEffect::ShowScore)), {PercentSign, 2}},
        {"percent_in_label", with(1, scene(2, "two", {{{"50%", 1}, {"", 2}, {"", 2}}})), {PercentSign, 2}},
        {"unreachable", {one, two, scene(3, "three", {{{"Back", 1}, {"", 3}, {"", 3}}})}, {UnreachableScene, 3}},
    };
}

class BrokenTable : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenTable, IsCaughtAndNamesTheScene) {
    EXPECT_EQ(checkTable(GetParam().scenes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TableCheck, BrokenTable, ::testing::ValuesIn(brokenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableCheck, AcceptsWhatTheStoryMayHold) {
    auto story = soundStory();
    EXPECT_TRUE(checkTable(story).ok());
    // Limits reached but not passed, "%" as plain text, a tab and trailing spaces in a text,
    // a target to the next chapter's entry not yet written.
    story[1] = scene(2, LONGEST_TEXT, {{{LONGEST_LABEL, 1}, {"", 3}, {" spaced ", END_QUIT}}});
    EXPECT_TRUE(checkTable(story).ok());
    story[0] = scene(1, "100% sure\t \n", {{{"Next", 2}, {"", 1}, {"", 1}}});
    EXPECT_TRUE(checkTable(story).ok());
    story[1] = scene(2, "Your score is: %d out of 5.", story[1].options, SceneEffect::ShowScore);
    EXPECT_TRUE(checkTable(story).ok());
}

TEST(TableCheck, RunsWhenCompiled) {
    static constexpr Scene broken[] = {
        {.number = 1, .text = "one", .options = {{{"Next", 1}, {"", 1}, {"", 1}}}},
        {.number = 2, .text = "two", .options = {{{"Back", 1}, {"", 2}, {"", 2}}}},
    };
    static_assert(checkTable(broken) == TableDiagnosis{TableFault::UnreachableScene, 2});
    SUCCEED();
}

}  // namespace
}  // namespace grimstep
