// Chapter 9: the ending (scenes 109 to 115). THE END in big letters, the special end menu with
// the hint to the secret ending, the credits with your score, and the hidden room you get into by
// getting mad at the history teacher at options 5; the desk there is the way out, to the credits.
#pragma once

#include "engine/scene.hpp"

namespace grimstep::story {

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene ENDING_AND_HIDDEN_ROOM[] = {
    // The picture opens with an empty line, on purpose (the break right after the opening quote).
    {.number = 109,
     .text = R"art(
   TTTTT  H   H  EEEEE      EEEEE  N   N  DDDD
     T    H   H  E          E      NN  N  D   D
     T    HHHHH  EEEE       EEEE   N N N  D   D
     T    H   H  E          E      N  NN  D   D
     T    H   H  EEEEE      EEEEE  N   N  DDDD

           L       OOO   L
           L      O   O  L
           L      O   O  L
           L      O   O  L
           LLLLL   OOO   LLLLL)art",
     .options = {{{"Special end menu!", 110}, {"Start again!", 1}, {"End it!", END_FINAL}}}},
    {.number = 110,
     .text = "~~~~SPECIAL END MENU~~~~",
     .options = {{{"-Secret ending!-", 111}, {"-Show me the score and credits!-", 112}, {"-Go bacK!-", 109}}}},
    {.number = 111,
     .text = "In the part where the teacher picks you out and you have many options to get mad, keep going "
             "until you reach options 5 and then select the first \"get mad at him\". Have fun! ",
     .options = {{{"-Back to the menu-", 110}, {"", 111}, {"", 111}}}},
    // The one place where the score is shown: "%d" stands in for it, and no other percent sign may.
    {.number = 112,
     .text = "Credits:\n"
             "Programming and jokes by Vantorek\n"
             "Support during development by Meliton and Quobble (Quobble just ate my chips)\n"
             "Being awesome and playing this game by You :-)\n"
             "Your score is: %d out of 5.",
     .options = {{{"-Back!-", 110}, {"", 107}, {"", 107}}},
     .effect = SceneEffect::ShowScore},
    {.number = 113,
     .text = "You suddenly wake up in your room... only it's a limbo of space and time (WHOA). In front "
             "of you are your bed, a window and a desk. What now?",
     .options = {{{"Look out the window.", 113}, {"Talk to bed.", 114}, {"Explore desk.", 112}}}},
    {.number = 114,
     .text = "Speak to me only if you know the answer to my riddle, for the wrong answer will bring "
             "you to a certain restart!",
     .options = {{{"Answer riddle.", 115}, {"Go back.", 113}, {"", 114}}}},
    {.number = 115,
     .text = "As you look outside, you see the world spinning.",
     .options = {{{"Go back.", 113}, {"", 115}, {"", 115}}}},
};
// clang-format on

}  // namespace grimstep::story
