// The story of GRIMSTEP: every chapter joined into the one scene table.
#pragma once

#include "engine/scene.hpp"

namespace grimstep::story {

/// The whole story; checked when the program is compiled, constant for the whole run.
[[nodiscard]] const SceneTable& storyTable() noexcept;

}  // namespace grimstep::story
