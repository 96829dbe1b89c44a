// Chapter 2: arrival at school and the first break (scenes 14 to 24). You squelch in soaked, meet two
// faces (one horned and furious, one grinning at the window), kill the break, and the bell calls you to history.
#pragma once

#include "engine/scene.hpp"
#include "story/grinning_face.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

/// The horned face you get for saying "TO HELL!": glaring eyes, fangs out, down to the shoulders.
/// Starts with an empty line; the picture is 16 lines and the caption follows it.
inline constexpr std::string_view HORNED_FACE_SCREEN = R"art(
     /\                                      /\
    /  \                                    /  \
    \   \       ____________________       /   /
     \   \_____/                    \_____/   /
      \___    | \\\\\          ///// |    ___/
          \___|    \\\\\    /////    |___/
            |   (  (@)  )  (  (@)  )   |
            |            /\            |
            |           /__\           |
            |   |\  /\/\/\/\/\/\  /|   |
            |   | \/            \/ |   |
            |   |_/\____________/\_|   |
             \                        /
              \______________________/
                    |          |
      ______________/          \______________
What did you say?)art";

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene ARRIVAL_AND_FIRST_BREAK[] = {
    {.number = 14,
     .text = "You arrive at school SOAKED TO THE BONE even tho you wore your waterproof coat (which kept out "
             "exactly NOTHING!!!). The school building is in an advanced state of decay, as usual. And you have a "
             "strange feeling that you forgot to do something at home... What do you do?",
     .options = {{{"FORWARD!", 17}, {"TO HELL!", 15}, {"Check the windows?", 16}}}},
    {.number = 15,
     .text = HORNED_FACE_SCREEN,
     .options = {{{"I'll be good again :-c", 14}, {"", 15}, {"", 15}}}},
    // The face at the window is the same one that turns up on the trading card and under the cook's hat.
    {.number = 16,
     .text = JOINED<"\n", GRINNING_FACE, "\n H3LL0 4G41N!!!!\n\t\t\t">,
     .options = {{{"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", 14},  // 74 of them
                  {"", 16},
                  {"", 16}}}},
    {.number = 17,
     .text = "You walked inside your classroom. You still have a break.",
     .options = {{{"Check the sketches on the wall.", 20}, {"Study.", 18}, {"Draw something.", 19}}}},
    {.number = 18,
     .text = "Nah.",
     .options = {{{"Check the sketches on the wall.", 20}, {"Draw something.", 19}, {"", 18}}}},
    // The masterpiece is one dot after a tab; the text ends with a line break.
    {.number = 19,
     .text = "\nYou spent the WHOLE break drawing!!! Behold your final masterpiece:\n"
             "\n"
             "\t.\n"
             "\t\n"
             "(ok ok, i'm running out of pictures made of keybord characters, don't judge)\n",
     .options = {{{"Next.", 23}, {"", 19}, {"", 19}}}},
    {.number = 20,
     .text = "Which poster?",
     .options = {{{"1", 21}, {"2", 22}, {"Leave", 23}}}},
    {.number = 21,
     .text = "1",
     .options = {{{"Back", 20}, {"", 21}, {"", 21}}}},
    {.number = 22,
     .text = "2",
     .options = {{{"Back", 20}, {"", 22}, {"", 22}}}},
    {.number = 23,
     .text = "THE BELL RANG FOR CLASS!!!!!",
     .options = {{{"AGAIN??????", 24}, {"", 23}, {"", 23}}}},
    // After AGAIN: 13 question marks, 11 exclamation marks, 9 question marks, 9 exclamation marks (written in
    // pieces so that no "??!" sits in one literal and the compiler does not warn about trigraphs).
    {.number = 24,
     .text = "You have HISTORY!",
     .options = {{{"AGAIN?????????????" "!!!!!!!!!!!" "?????????" "!!!!!!!!!", 25}, {"", 24}, {"", 24}}}},
};
// clang-format on

}  // namespace grimstep::story
