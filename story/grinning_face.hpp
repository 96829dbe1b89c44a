// The grinning face with spiky hair: at the window on arrival, on the trading card in the
// second break, and under the cook's hat at lunch. Drawn once here so it stays the same face.
#pragma once

#include "story/joined_text.hpp"

namespace grimstep::story {

/// The row of spiky hair (the cook's hat takes its place at lunch).
inline constexpr FixedText GRINNING_FACE_HAIR{R"art(  /\/\/\/\/\/\/\/\/\/\/\)art"};

/// Brow, eyes and nose, grin, and the neck two lines long; no line break after the last.
inline constexpr FixedText GRINNING_FACE_FEATURES{R"art(  |  ~~~~~      ~~~~~  |
  |  (@@@)  /\  (@@@)  |
   \  \VVVVVVVVVVVV/  /
        |        |
        |        |)art"};

/// The whole face, six lines, no line break after the last.
inline constexpr auto GRINNING_FACE = concatenate(GRINNING_FACE_HAIR, FixedText{"\n"}, GRINNING_FACE_FEATURES);

}  // namespace grimstep::story
