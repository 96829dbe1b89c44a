// Chapter 3: the history lesson (scenes 25 to 34). The teacher picks you out of the surprise test; five sets of
// options go round in a ring, nearly all of them getting mad at him, and one lets you answer the quiz for a point.
#pragma once

#include "engine/scene.hpp"

namespace grimstep::story {

/// The teacher's question, the same on all five option sets (scenes 25 to 29).
inline constexpr std::string_view SURPRISE_TEST =
    "You had the SURPRISE test that you have every single Friday, and guess what, you were PERFECTLY surprised!!! "
    "Then the teacher picked YOU for questioning (of course he did). What do you do?";

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene HISTORY_LESSON[] = {
    {.number = 25,
     .text = SURPRISE_TEST,
     .options = {{{"GET MAD AT HIM!", 30}, {"GET MAD AT HIM!", 30}, {"Options 2", 26}}}},
    {.number = 26,
     .text = SURPRISE_TEST,
     .options = {{{"GET MAD AT HIM!", 30}, {"GET MAD AT HIM!", 30}, {"Options 3", 27}}}},
    // The one option set where you can keep your cool, and the only way to the quiz.
    {.number = 27,
     .text = SURPRISE_TEST,
     .options = {{{"GET MAD AT HIM!", 30}, {"DON'T GET MAD AT HIM!", 31}, {"Options 4", 28}}}},
    {.number = 28,
     .text = SURPRISE_TEST,
     .options = {{{"GET MAD AT HIM!", 30}, {"GET MAD AT HIM!", 30}, {"Options 5", 29}}}},
    // The secret: the first get-mad of the fifth set opens the hidden room (the end menu's hint tells you so).
    {.number = 29,
     .text = SURPRISE_TEST,
     .options = {{{"GET MAD AT HIM!", 113}, {"GET MAD AT HIM!", 30}, {"Options 1", 25}}}},
    // 21 exclamation marks, then the complaint. The blanks jump back to the classroom and to the question.
    {.number = 30,
     .text = "YOU GOT MAD AT HIM AND GOT AN F!!!!!!!!!!!!!!!!!!!!!(these exclamation marks are making me crazy)",
     .options = {{{"Uh huh.", 34}, {"", 17}, {"", 25}}}},
    {.number = 31,
     .text = "The war of 1812. When did it happen?",
     .options = {{{"1800.", 32}, {"1800!", 32}, {"1812?", 33}}}},
    {.number = 32,
     .text = "WRONG!",
     .options = {{{"AHA!", 34}, {"", 32}, {"", 32}}}},
    {.number = 33,
     .text = "RIGHT!",
     .options = {{{"AHA!", 34}, {"", 33}, {"", 33}}},
     .effect = SceneEffect::AwardPoint},
    {.number = 34,
     .text = "The bell rang for a break!",
     .options = {{{"Aha!", 35}, {"", 34}, {"", 34}}}},
};
// clang-format on

}  // namespace grimstep::story
