// The story of GRIMSTEP: every chapter joined into the one scene table. The chapters one by one
// are in story/chapters.hpp.
#pragma once

#include "engine/table_check.hpp"

namespace grimstep::story {

/// The whole story; checked when the program is compiled, constant for the whole run.
[[nodiscard]] const CheckedTable& storyTable() noexcept;

}  // namespace grimstep::story
