// Chapter 4: the second break and the computer class (scenes 35 to 50). The break is a talk, a
// lunch or a smoke; the bell rings either way, the ancient computer takes nine years to load, and
// the class ends by deleting system 32 or by a falling-blocks game.
#pragma once

#include "engine/scene.hpp"
#include "story/grinning_face.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

// The old computer in the computer room, drawn once in pieces: the monitor's frame, its screen
// (blank when off, the loading screen once turned on) and the stand, keyboard and desk below.
// Only the four screen lines differ between the two; no piece ends with a line break.

/// Top of the monitor and the upper edge of its screen.
inline constexpr FixedText OLD_COMPUTER_MONITOR_TOP{R"art(     ____________________________________
    |  ________________________________  |)art"};

/// The screen switched off: three empty rows and its plain bottom edge.
inline constexpr FixedText OLD_COMPUTER_SCREEN_OFF{R"art(    | |                                | |
    | |                                | |
    | |                                | |
    | |________________________________| |)art"};

/// The screen loading: message, progress bar, time label, and the nine years on its bottom edge.
inline constexpr FixedText OLD_COMPUTER_SCREEN_LOADING{R"art(    | |     LOADING... PLEASE WAIT     | |
    | |  [###.......................]  | |
    | |        TIME REMAINING:         | |
    | |___________ 9 YEARS ____________| |)art"};

/// Bottom of the monitor with its power button, the stand and its foot, the keyboard, the desk.
inline constexpr FixedText OLD_COMPUTER_STAND_AND_KEYBOARD{R"art(    |________________________________(o)_|
                   |      |
             ______|______|______
     [*][*][*][*][*][*][*][*][*][*][*][*]
       [*][*][*][*][*][*][*][*][*][*][*]
  ==============================================)art"};

/// The computer as you find it: twelve lines, switched off.
inline constexpr auto OLD_COMPUTER_OFF = concatenate(
    OLD_COMPUTER_MONITOR_TOP,
    FixedText{"\n"},
    OLD_COMPUTER_SCREEN_OFF,
    FixedText{"\n"},
    OLD_COMPUTER_STAND_AND_KEYBOARD);

/// The same computer, twelve lines, loading for the next nine years.
inline constexpr auto OLD_COMPUTER_LOADING = concatenate(
    OLD_COMPUTER_MONITOR_TOP,
    FixedText{"\n"},
    OLD_COMPUTER_SCREEN_LOADING,
    FixedText{"\n"},
    OLD_COMPUTER_STAND_AND_KEYBOARD);

/// The falling-blocks game on the computer: an empty line, the well, its floor and a zigzag.
inline constexpr std::string_view FALLING_BLOCKS_GAME = R"art(
             |................|
             |......OOO.......|
             |.......O........|
             |................|
             |................|
             |................|
             |O...........O...|
             |OO..O....O.OOO.O|
             |OOO.OOO.OOOOOOOO|
             +================+
             \/\/\/\/\/\/\/\/\/)art";

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene SECOND_BREAK_AND_COMPUTER_CLASS[] = {
    {.number = 35,
     .text = "What do you wanna do during the break?",
     .options = {{{"Have a talk with someone.", 36},
                  {"Eat your lunch.", 39},
                  {"Do YOU KNOW WHAT on the toilet.", 40}}}},
    {.number = 36,
     .text = "You bumped into a younger classmate. What do you say?",
     .options = {{{"NOTHING!", 37},
                  {" \" .......... \" ", 37},
                  {" \" Hey. What do you have in there?\" ", 38}}}},
    {.number = 37,
     .text = "Boy: Hey!! Do you wanna play with me???\n"
             "You: Uhhh... play WHAT?\n"
             "Boy: \"SUPER FUN GROWN-UP TIME\"!!! It's the BEST game EVER!\n"
             "You: And how do you even play that???\n"
             "Boy: We put on our company shirts and go to work on a SUNDAY!!! (yaaaay)",
     .options = {{{"No thanks...", 41}, {"", 37}, {"", 37}}}},
    {.number = 38,
     .text = JOINED<"Boy: The NEW generation of trading cards is OUT!!! LOOK at this one!!!\n",
                    GRINNING_FACE, "\n Name: PR1NC1P4L\n 10000HP\n Y0U L0S3\n \n\t\t\t">,
     .options = {{{"Where have I seen that guy...", 41}, {"", 38}, {"", 38}}}},
    {.number = 39,
     .text = "You were quite hungry, so you sniffed your lunch: a rotten ham sandwich (that ham came "
             "from a dog, I'm SURE of it) and an apple with half a worm in it (you found out AFTER "
             "biting) did not impress you much, and you fainted a little bit. :-/",
     .options = {{{"Screw lunch!", 41}, {"", 39}, {"", 39}}}},
    {.number = 40,
     .text = "You smoked on the toilettes :-D ",
     .options = {{{"And?", 41}, {"", 40}, {"", 40}}}},
    {.number = 41,
     .text = "THE BELL RANG FOR CLASS",
     .options = {{{"NOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", 42},
                  {"OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", 42},
                  {"OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", 42}}}},
    {.number = 42,
     .text = "You have a computer class (oh yeah)",
     .options = {{{"Go to the computer room.", 43}, {"Go to the computer room.", 43}, {"", 42}}}},
    {.number = 43,
     .text = JOINED<"You walked into the computer classroom and sat down next to a computer. WOW, this one "
                    "must be from the year 9 A.C.!!!\n",
                    OLD_COMPUTER_OFF, "\n\t\t\t">,
     .options = {{{"Turn on.", 45}, {"Turn off.", 44}, {"", 43}}}},
    {.number = 44,
     .text = "It's ALREADY off, you walnut-brained noob!!!",
     .options = {{{"Aaahaa! Then I'll turn it on!", 45}, {"", 44}, {"", 44}}}},
    {.number = 45,
     .text = JOINED<"My mistake. It's from the year 9 B.C!\n", OLD_COMPUTER_LOADING, "\n">,
     .options = {{{"I'll wait then...", 46}, {"", 45}, {"", 45}}}},
    {.number = 46,
     .text = "The computer turned on!",
     .options = {{{"Delete system 32!", 49}, {"Play some games!", 48}, {"Listen to the teacher!", 47}}}},
    {.number = 47,
     .text = "BORING!",
     .options = {{{"BOOOORIIIING!!! (expected answer)", 46},
                  {"AAAWESOMEEEE!!! (unexpected answer)", 46},
                  {"", 47}}}},
    {.number = 48,
     .text = FALLING_BLOCKS_GAME,
     .options = {{{"END GAME", 50}, {"", 48}, {"", 48}}}},
    {.number = 49,
     .text = "You aren't doing very well, but every other classmate is rooting for you!\n"
             "GO GO GO!!! DELETE IT!!! YOU CAN DO IT!!! (the good kind of screaming)\n"
             "(the other guys are screaming that you won't make it)\n"
             "...and you MADE IT!!! :-) ",
     .options = {{{"Woah!", 50}, {"", 49}, {"", 49}}}},
    {.number = 50,
     .text = "A break! Yeeeah!",
     .options = {{{"Great!", 51}, {"", 50}, {"", 50}}}},
};
// clang-format on

}  // namespace grimstep::story
