// The chapters of the real story, as the map draws them.
#pragma once

#include "tools/story_map/story_map.hpp"

#include <span>

namespace grimstep::map {

/// Chapters 1 to 9 in story order, their scene ranges taken from the story's own chapter tables.
std::span<const Chapter> storyChapters() noexcept;

}  // namespace grimstep::map
