// Joins the chapters and checks the whole table: a story that breaks an invariant does not build.
#include "story/story.hpp"

#include "engine/table_check.hpp"
#include "story/chapter1_opening.hpp"
#include "story/join_chapters.hpp"

namespace grimstep::story {
namespace {

constexpr auto SCENES = joinChapters(OPENING_AND_MORNING);

constexpr TableDiagnosis DIAGNOSIS = checkTable(SCENES);
static_assert(sceneTableHolds<DIAGNOSIS.fault, DIAGNOSIS.scene>());

constexpr SceneTable STORY{SCENES};

}  // namespace

const SceneTable& storyTable() noexcept { return STORY; }

}  // namespace grimstep::story
