// Joins the chapters and checks the whole table: a story that breaks an invariant does not build.
#include "story/story.hpp"

#include "engine/table_check.hpp"
#include "story/chapters.hpp"
#include "story/join_chapters.hpp"

namespace grimstep::story {
namespace {

constexpr auto SCENES = joinChapters<sceneCountOf(CHAPTERS)>(CHAPTERS);

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

constexpr CheckedTable STORY = checkedTable<SCENES, RULES>();

}  // namespace

const CheckedTable& storyTable() noexcept { return STORY; }

}  // namespace grimstep::story
