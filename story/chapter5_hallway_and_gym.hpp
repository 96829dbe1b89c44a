// Chapter 5: the hallway and gym class (scenes 51 to 61). You bump into Zubrinka, the new girl who
// has just moved in (or walk right past her), then the ball hits you in gym and the teacher laughs.
#pragma once

#include "engine/scene.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

/// The narrator's jeer after you burst into tears; the same whichever way you tried not to cry.
inline constexpr FixedText CRYBABY_REMARK{"CRYBABY! CRYBABY!!! (Just kidding. No, not really, hehehe.)"};

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene HALLWAY_AND_GYM[] = {
    {.number = 51,
     .text = "Walking across the hallway you BUMP into a girl you have NEVER seen at this school "
             "before!!! Do you wanna talk to her?",
     .options = {{{"Yeah.", 52}, {"Screw it!", 54}, {"", 51}}}},
    {.number = 52,
     .text = "You: Whats your name?\n"
             "She: Guess! You have three guesses!!\n"
             "You: I don't know... I don't know... I DON'T KNOW!!!\n"
             "She: It's Zubrinka!\n"
             "You: Yeah, that's JUST what I thought. (Sure it was.)",
     .options = {{{"Continue...", 53}, {"", 52}, {"", 52}}}},
    {.number = 53,
     .text = "She: I've just moved in here, you know! Oh, class is about to start... bye bye! :-)",
     .options = {{{"Bye bye!", 54}, {"", 53}, {"", 53}}}},
    {.number = 54,
     .text = "*RIIIIIING*",
     .options = {{{"Oh no...", 55}, {"", 54}, {"", 54}}}},
    {.number = 55,
     .text = "You have gym class!",
     .options = {{{"Owowow!!!", 56}, {"", 55}, {"", 55}}}},
    {.number = 56,
     .text = "About halfway through the football game the ball hits you SMACK in the stomach!!! :'-(",
     .options = {{{"I won't cry, I won't cry, I won't cry...", 58}, {"BUEEEEEEEEEEEE", 57}, {"", 56}}}},
    {.number = 57,
     .text = JOINED<"You tried to hold it in, but NOPE: you burst into tears!!! ", CRYBABY_REMARK>,
     .options = {{{"Oh.", 59}, {"", 57}, {"", 57}}}},
    {.number = 58,
     .text = JOINED<"You didn't cry... for about two seconds. Then you burst into tears anyway!!! ",
                    CRYBABY_REMARK>,
     .options = {{{"Oh.", 59}, {"", 58}, {"", 58}}}},
    {.number = 59,
     .text = "The teacher started laughing! AT YOU!!!",
     .options = {{{"Just wait...revenge will be sweet!!!", 60}, {".....", 60}, {"", 59}}}},
    {.number = 60,
     .text = "Seconds later the SAME ball accidentally hits the teacher right below the belt!!! OUCH!!!",
     .options = {{{"RUUUUUUUUN!!!", 61}, {"", 60}, {"", 60}}}},
    {.number = 61,
     .text = "You managed to escape...",
     .options = {{{"Next...", 62}, {"", 61}, {"", 61}}}},
};
// clang-format on

}  // namespace grimstep::story
