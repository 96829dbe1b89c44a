// The scene graph as Graphviz DOT: every scene a node in its chapter's cluster, every way from
// one scene to another an edge labelled with the options that take it.
#pragma once

#include "engine/scene.hpp"

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace grimstep::map {

/// A run of scenes drawn together, in story order.
struct Chapter {
    std::string_view title;
    std::int32_t firstScene = 0;
    std::int32_t lastScene = 0;
};

/// Writes the whole map. Scenes outside every chapter are drawn outside the clusters; blank
/// options that stay on their own scene are folded away, so the picture stays readable.
void writeStoryMap(const SceneTable& table, std::span<const Chapter> chapters, std::ostream& out);

/// A node's caption: the first few words of a scene's text, with "..." when there is more. A text
/// with a picture in it (a line aligned with three spaces in a row, which prose never is, or one
/// without a letter or digit) shows the words before the picture, then "(picture)" on a line of
/// its own instead of the strokes.
std::string sceneCaption(std::string_view text);

}  // namespace grimstep::map
