// The table check on small broken tables, one per invariant, so each check is known to bite.
#include "engine/table_check.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace grimstep {
namespace {

// Long texts live here so the fixtures below can point into them.
const std::string LONGEST_TEXT(MAX_TEXT_LENGTH, 'x');
const std::string TOO_LONG_TEXT(MAX_TEXT_LENGTH + 1, 'x');
const std::string LONGEST_LABEL(MAX_LABEL_LENGTH, 'x');
const std::string TOO_LONG_LABEL(MAX_LABEL_LENGTH + 1, 'x');

Scene scene(
    std::int32_t number,
    std::string_view text,
    std::array<SceneOption, 3> options,
    SceneEffect effect = SceneEffect::None) {
    return {.number = number, .text = text, .options = options, .effect = effect};
}

/// A sound two-scene story: 1 -> 2 -> back to 1 or the end.
std::vector<Scene> soundStory() {
    return {
        scene(1, "one", {{{"Next", 2}, {"", 1}, {"", 1}}}),
        scene(2, "two", {{{"Back", 1}, {"Quit", END_QUIT}, {"End", END_FINAL}}})};
}

/// What the two-scene story declares: no points, no score scene, both ways out on scene 2.
constexpr TableRules TWO_SCENES = {
    .sceneCount = 2, .pointScenes = {}, .scoreScene = 0, .quitOption = {2, 2}, .finalOption = {2, 3}};

/// The same story with a point on scene 1 and the score shown on scene 2.
constexpr std::int32_t POINT_ON_ONE[] = {1};
constexpr TableRules SCORING = {
    .sceneCount = 2, .pointScenes = POINT_ON_ONE, .scoreScene = 2, .quitOption = {2, 2}, .finalOption = {2, 3}};

/// The two-scene story's rules for a third scene added to it.
constexpr TableRules THREE_SCENES = {
    .sceneCount = 3, .pointScenes = {}, .scoreScene = 0, .quitOption = {2, 2}, .finalOption = {2, 3}};

struct BrokenCase {
    const char* name;
    std::vector<Scene> scenes;
    TableDiagnosis expected;
    TableRules rules = TWO_SCENES;
};

void PrintTo(const BrokenCase& broken, std::ostream* out) { *out << broken.name; }

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
        {"empty", {}, {SceneCount, 0}},
        {"a_scene_missing", {one}, {SceneCount, 1}},
        {"a_scene_too_many", {one, two, scene(3, "three", two.options)}, {SceneCount, 3}},
        {"does_not_start_at_1", {two, scene(3, "three", two.options)}, {NumberOutOfSequence, 2}},
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
        {"all_options_blank", with(0, scene(1, "one", {{{"", 2}, {"", 1}, {"", 1}}})), {AllOptionsBlank, 1}},
        {"target_zero", with(1, scene(2, "two", {{{"Back", 0}, {"", 2}, {"", 2}}})), {UnknownTarget, 2}},
        {"target_negative", with(1, scene(2, "two", {{{"Back", -1}, {"", 2}, {"", 2}}})), {UnknownTarget, 2}},
        {"target_past_the_last_scene", with(0, scene(1, "one", {{{"Next", 3}, {"", 2}, {"", 1}}})), {UnknownTarget, 1}},
        {"end_value_unknown",
         with(1, scene(2, "two", {{{"Back", 201}, {"Quit", END_QUIT}, {"End", END_FINAL}}})),
         {UnknownTarget, 2}},
        {"quit_on_another_option",
         with(0, scene(1, "one", {{{"Next", 2}, {"Quit", END_QUIT}, {"", 1}}})),
         {MisplacedEndValue, 1}},
        {"final_on_another_option",
         with(0, scene(1, "one", {{{"Next", 2}, {"", 1}, {"End", END_FINAL}}})),
         {MisplacedEndValue, 1}},
        {"quit_option_leads_to_a_scene",
         with(1, scene(2, "two", {{{"Back", 1}, {"Quit", 1}, {"End", END_FINAL}}})),
         {MisplacedEndValue, 2}},
        {"end_values_swapped",
         with(1, scene(2, "two", {{{"Back", 1}, {"Quit", END_FINAL}, {"End", END_QUIT}}})),
         {MisplacedEndValue, 2}},
        {"undeclared_point", with(1, scene(2, "two", two.options, SceneEffect::AwardPoint)), {WrongEffect, 2}},
        {"undeclared_score", with(1, scene(2, "two %d", two.options, SceneEffect::ShowScore)), {WrongEffect, 2}},
        {"declared_point_missing", soundStory(), {WrongEffect, 1}, SCORING},
        {"score_without_placeholder",
         {scene(1, "one", one.options, SceneEffect::AwardPoint),
          scene(2, "score", two.options, SceneEffect::ShowScore)},
         {PercentSign, 2},
         SCORING},
        {"score_placeholder_twice",
         {scene(1, "one", one.options, SceneEffect::AwardPoint),
          scene(2, "%d and %d", two.options, SceneEffect::ShowScore)},
         {PercentSign, 2},
         SCORING},
        {"score_with_stray_percent",
         {scene(1, "one", one.options, SceneEffect::AwardPoint),
          scene(2, "%d of 100%", two.options, SceneEffect::ShowScore)},
         {PercentSign, 2},
         SCORING},
        {"percent_in_label", with(1, scene(2, "two", {{{"50%", 1}, {"", 2}, {"", 2}}})), {PercentSign, 2}},
        {"unreachable",
         {one, two, scene(3, "three", {{{"Back", 1}, {"", 3}, {"", 3}}})},
         {UnreachableScene, 3},
         THREE_SCENES},
        {"trap",
         {scene(1, "one", {{{"Next", 2}, {"Trap", 3}, {"", 1}}}),
          two,
          scene(3, "three", {{{"Stay", 3}, {"", 3}, {"", 3}}})},
         {NoWayOut, 3},
         THREE_SCENES},
    };
}

class BrokenTable : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenTable, IsCaughtAndNamesTheScene) {
    EXPECT_EQ(checkTable(GetParam().scenes, GetParam().rules), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TableCheck, BrokenTable, ::testing::ValuesIn(brokenCases()), [](const auto& info) {
    return std::string(info.param.name);
});

TEST(TableCheck, AcceptsWhatTheStoryMayHold) {
    auto story = soundStory();
    EXPECT_TRUE(checkTable(story, TWO_SCENES).ok());
    // Limits reached but not passed, "%" as plain text, a tab and trailing spaces in a text,
    // a label with spaces around it, a blank option leading elsewhere.
    story[1] = scene(2, LONGEST_TEXT, {{{LONGEST_LABEL, 1}, {" spaced ", END_QUIT}, {"", END_FINAL}}});
    EXPECT_TRUE(checkTable(story, TWO_SCENES).ok());
    story[0] = scene(1, "100% sure\t \n", {{{"Next", 2}, {"", 2}, {"", 1}}}, SceneEffect::AwardPoint);
    story[1] = scene(2, "Your score is: %d out of 5.", story[1].options, SceneEffect::ShowScore);
    EXPECT_TRUE(checkTable(story, SCORING).ok());
}

TEST(TableCheck, RunsWhenCompiled) {
    static constexpr Scene broken[] = {
        {.number = 1, .text = "one", .options = {{{"Again", 1}, {"", 1}, {"Quit", END_QUIT}}}},
        {.number = 2, .text = "two", .options = {{{"Back", 1}, {"", 2}, {"", 2}}}},
    };
    static constexpr TableRules rules = {
        .sceneCount = 2, .pointScenes = {}, .scoreScene = 0, .quitOption = {1, 3}, .finalOption = {}};
    static_assert(checkTable(broken, rules) == TableDiagnosis{TableFault::UnreachableScene, 2});
    SUCCEED();
}

}  // namespace
}  // namespace grimstep
