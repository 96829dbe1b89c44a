// The chapters of the real story, as the map draws them.
#pragma once

#include "tools/story_map/story_map.hpp"

#include <span>

namespace grimstep::map {

/// The story's chapters in story order, as the map draws them.
std::span<const Chapter> storyChapters() noexcept;

}  // namespace grimstep::map
