// Chapter 6: math and geography (scenes 62 to 75). The calculator dies at the worst moment (guessing
// scores), the bus question has no door to go by, and only "Then there!" finds America on the map.
#pragma once

#include "engine/scene.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

/// The bus of the bonus question, from the side: roof, three windows, body, lower edge, wheels.
/// Both ends look alike and there is no door, so you can't tell which way it faces (that's the
/// joke).
inline constexpr FixedText SCHOOL_BUS{R"art(   _______________________
  /    O      O      O    \
 |                         |
 |_________________________|
     (@)             (@))art"};

/// The flag the teacher shows: stars top left on seven rows, stripes of O's and colons, O's on the
/// first and the last row.
inline constexpr FixedText STARS_AND_STRIPES{R"art(|* * * * * * * * * OOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
| * * * * * * * *  :::::::::::::::::::::::::::::|
|* * * * * * * * * OOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
| * * * * * * * *  :::::::::::::::::::::::::::::|
|* * * * * * * * * OOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
| * * * * * * * *  :::::::::::::::::::::::::::::|
|* * * * * * * * * OOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
|:::::::::::::::::::::::::::::::::::::::::::::::|
|OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
|:::::::::::::::::::::::::::::::::::::::::::::::|
|OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO|
|:::::::::::::::::::::::::::::::::::::::::::::::|
|OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO|)art"};

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene MATH_AND_GEOGRAPHY[] = {
    {.number = 62,
     .text = "Next up was MATH, and an old rule applied during it:\n"
             "The calculater batteries that lasted the whole year without trouble ran out during the MOST "
             "important test, just at the MOST important question!!!",
     .options = {{{"Guess.", 64}, {"Don't guess. :-P", 63}, {"", 62}}}},
    {.number = 63,
     .text = "You didn't guess. An eeffffff....",
     .options = {{{"ARGHHHHH!!!", 65}, {"", 63}, {"", 63}}}},
    {.number = 64,
     .text = "You guessed...and guessed right! Great!!!! But you got a B.",
     .options = {{{"COOL", 65}, {"", 64}, {"", 64}}},
     .effect = SceneEffect::AwardPoint},
    // The empty line under the bus comes from the closing line break.
    {.number = 65,
     .text = JOINED<"You even got a BONUS question: which way is the bus facing? "
                    "Every kid in kindergarten would know for sure!!!\n",
                    SCHOOL_BUS, "\n">,
     .options = {{{"Dunno.", 66}, {"", 65}, {"", 65}}}},
    {.number = 66,
     .text = "LEFT, of course, because you can't see the door! :-) And if you didn't guess right, "
             "the kindergarten kids can't wait for you to join them!!!",
     .options = {{{"I did!", 67}, {"", 66}, {"", 66}}}},
    {.number = 67,
     .text = "And what's next?",
     .options = {{{"No idea...", 68}, {"", 67}, {"", 67}}}},
    {.number = 68,
     .text = "The fourth class!!",
     .options = {{{"OH WOOOW!!", 69}, {"", 68}, {"", 68}}}},
    {.number = 69,
     .text = "The fourth class is GEOGRAPHYYYYYYYYY!!!\n"
             "(That's the thing about the earth, the planets and stuff, for those of you who didn't "
             "know. DUH!)",
     .options = {{{"OH WOOOOOOW!!", 70}, {"", 69}, {"", 69}}}},
    {.number = 70,
     .text = JOINED<"The teacher was showing you something you didn't know:\n", STARS_AND_STRIPES>,
     .options = {{{"OH WOOOOOOOOOOOOOOOOW!!", 71}, {"", 70}, {"", 70}}}},
    {.number = 71,
     .text = "Suddenly the teacher picked YOU out! Luckily you knew everything, but then he suddenly "
             "asked...",
     .options = {{{"Oh nooo....", 72}, {"", 71}, {"", 71}}}},
    {.number = 72,
     .text = "Show me America on the map!!\nWhat do you say?",
     .options = {{{"HERE!", 73}, {"adfokqerrqhsavyojvoiw dvwoqeik???", 73}, {"", 72}}}},
    {.number = 73,
     .text = "Misheard you, what?",
     .options = {{{"HERE!", 74}, {"Then there!", 75}, {"Where the heck?", 74}}}},
    {.number = 74,
     .text = "Wrong!\nHe sent you to sit down.",
     .options = {{{"D'oh!", 76}, {"", 74}, {"", 74}}}},
    {.number = 75,
     .text = "WOW, what a HEAD you are!!!\n"
             "You sat down with an A in the class record, thinking it was a lucky one... and with the "
             "thought that never leaves you: WHEN WILL THE BELL RING???",
     .options = {{{"I know that feeling...", 76}, {"", 75}, {"", 75}}},
     .effect = SceneEffect::AwardPoint},
};
// clang-format on

}  // namespace grimstep::story
