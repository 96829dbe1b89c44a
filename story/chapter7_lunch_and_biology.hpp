// Chapter 7: lunch and biology (scenes 76 to 91). On the way to the lunch room the rain reminds you
// that you forgot something, a new cook stands in for the old one, the food moves (eating it scores),
// and biology is a trip to the forest; option 1 of scene 91 leads on to the end of the school day.
#pragma once

#include "engine/scene.hpp"
#include "story/grinning_face.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

/// The cook's hat: two puffy rows of O's over a band of two rows of bars, sitting where the hair was.
inline constexpr FixedText COOK_HAT{R"art(    OOOOOOOOOOOOOOOOOO
OOOOOOOOOOOOOOOOOOOOOOOOOO
  ||||||||||||||||||||||
  ||||||||||||||||||||||)art"};

/// The new cook, as drawn by a twelve-year-old; her eyes, nose and mouth are the three options.
inline constexpr FixedText NEW_COOK_DRAWING{R"art(      O O
       I
       O
     \_|_/
       |
       |
      / \)art"};

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene LUNCH_AND_BIOLOGY[] = {
    {.number = 76,
     .text = "Next you have LUNCH!!!",
     .options = {{{"Oh NOOOOO!!!", 77}, {"Hooray...", 77}, {"", 76}}}},
    {.number = 77,
     .text = "As you walk to the lunchroom you see the rain pouring down and get a STRONG feeling that you "
             "forgot something... Anyway, do you remember the cook from last time?",
     .options = {{{"Of course! Tomatoes! Blueeeegh!", 79}, {"No.", 78}, {"", 77}}}},
    {.number = 78,
     .text = JOINED<"And now?!\n", COOK_HAT, "\n", GRINNING_FACE_FEATURES>,
     .options = {{{"Of course! Tomatoes! Blueeeegh!", 79}, {"", 78}, {"", 78}}}},
    {.number = 79,
     .text = "Well, she is ill (poor her, probably ate her own tomatoes) and in her place there is...\n"
             "...ANOTHER ONE!!!",
     .options = {{{"Oh.", 80}, {"", 79}, {"", 79}}}},
    {.number = 80,
     .text = "Go on, ask me what the new cook looks like! I KNOW you want to!!!",
     .options = {{{"How does she look?", 81}, {"", 80}, {"", 80}}}},
    {.number = 81,
     .text = "Hmmmm... and WHY should I tell YOU??? (hehehe)",
     .options = {{{"PWEASEEE!!!", 82}, {"", 81}, {"", 81}}}},
    {.number = 82,
     .text = JOINED<"I don't know what you are doing right now, but I BELIEVE you are in TEARS!!!\n"
                    "Fine, fine. Here is a pictcher of everything you need to know:\n",
                    NEW_COOK_DRAWING, "\n">,
     .options = {{{"O O", 83}, {" I", 83}, {" O", 83}}}},
    {.number = 83,
     .text = "(Me, the guy who made this game: I would LOVE to show you more pictures like that, but I'm "
             "only 12 while making this, so you'll have to WAIT!!!)",
     .options = {{{"Alright.", 84}, {"", 84}, {"", 84}}}},
    {.number = 84,
     .text = "On the way to the lunch room you got soaked AGAIN, despite your waterproof coat (waterproof, HA!).\n"
             "Gotta love this weather... NOT.",
     .options = {{{"And?", 85}, {"", 84}, {"", 84}}}},
    {.number = 85,
     .text = "What do you mean \"And?\" You want it in detail?",
     .options = {{{"Yeaaaaa...", 86}, {"", 85}, {"", 85}}}},
    {.number = 86,
     .text = "You walk into the lunch room and take a portion of food. EEEEWWW!!! IT'S MOVING!!!\n"
             "WHAT NOW?!",
     .options = {{{"Throw the food under the table!", 88},
                  {"Kill it/ Call an exterminator.", 87},
                  {"(It's really hard to say but...) Eat it.", 89}}}},
    {.number = 87,
     .text = "The cook notices and you found she knows karate...",
     .options = {{{"No comment...", 90}, {"", 87}, {"", 87}}}},
    {.number = 88,
     .text = "You and EVERYONE else in the lunch room tipped the so-called food under the table. Teamwork!!!",
     .options = {{{"Yea.", 87}, {"", 88}, {"", 88}}}},
    {.number = 89,
     .text = "The cook was SO happy (it was her first time cooking EVER!!!) that she leaned over and gave you a big...\n"
             "        *SMOOOOOOCH!*",
     .options = {{{"KISS ME!", 90}, {"", 89}, {"", 89}}},
     .effect = SceneEffect::AwardPoint},
    {.number = 90,
     .text = "Next you have biology!",
     .options = {{{"AwW YeAaAaA", 91}, {"", 90}, {"", 90}}}},
    {.number = 91,
     .text = "For biology the whole class went to the forest and explored. It was fun, the plants really grew on "
             "me :)\n"
             "We also looked at some squirrels (no jokes here, I promise).",
     .options = {{{"LOL", 92}, {"", 91}, {"", 91}}}},
};
// clang-format on

}  // namespace grimstep::story
