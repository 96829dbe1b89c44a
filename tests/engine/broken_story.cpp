// Must not compile: scene 2 cannot be reached. The build of this file is expected to fail with
// the fault and the scene's number in the message.
#include "engine/table_check.hpp"

namespace {

constexpr grimstep::Scene SCENES[] = {
    {.number = 1, .text = "one", .options = {{{"Again", 1}, {"", 1}, {"Quit", grimstep::END_QUIT}}}},
    {.number = 2, .text = "two", .options = {{{"Back", 1}, {"", 2}, {"", 2}}}},
};
constexpr grimstep::TableRules RULES = {
    .sceneCount = 2, .pointScenes = {}, .scoreScene = 0, .quitOption = {1, 3}, .finalOption = {}};
constexpr grimstep::CheckedTable TABLE = grimstep::checkedTable<SCENES, RULES>();

}  // namespace
