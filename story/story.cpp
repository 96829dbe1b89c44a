// Joins the chapters and checks the whole table: a story that breaks an invariant does not build.
#include "story/story.hpp"

#include "engine/table_check.hpp"
#include "story/chapter1_opening.hpp"
#include "story/chapter2_arrival.hpp"
#include "story/chapter3_history.hpp"
#include "story/chapter4_computer_class.hpp"
#include "story/chapter5_hallway_and_gym.hpp"
#include "story/chapter6_math_and_geography.hpp"
#include "story/chapter7_lunch_and_biology.hpp"
#include "story/chapter8_way_home.hpp"
#include "story/chapter9_ending.hpp"
#include "story/join_chapters.hpp"

namespace grimstep::story {
namespace {

constexpr auto SCENES = joinChapters(
    OPENING_AND_MORNING,
    ARRIVAL_AND_FIRST_BREAK,
    HISTORY_LESSON,
    SECOND_BREAK_AND_COMPUTER_CLASS,
    HALLWAY_AND_GYM,
    MATH_AND_GEOGRAPHY,
    LUNCH_AND_BIOLOGY,
    WAY_HOME,
    ENDING_AND_HIDDEN_ROOM);

/// The scenes worth a point: the history quiz, the math guess, the geography quiz, eating the
/// moving food and the girl's divorce.
constexpr std::int32_t POINT_SCENES[] = {33, 64, 75, 89, 97};

constexpr TableRules RULES = {
    .sceneCount = 115,
    .pointScenes = POINT_SCENES,
    .scoreScene = 112,                           // the credits
    .quitOption = {.scene = 3, .option = 3},     // the title screen's "Ew! End it!"
    .finalOption = {.scene = 109, .option = 3},  // the end screen's "End it!"
};

constexpr TableDiagnosis DIAGNOSIS = checkTable(SCENES, RULES);
static_assert(sceneTableHolds<DIAGNOSIS.fault, DIAGNOSIS.scene>());

constexpr SceneTable STORY{SCENES};

}  // namespace

const SceneTable& storyTable() noexcept { return STORY; }

}  // namespace grimstep::story
