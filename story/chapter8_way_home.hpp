// Chapter 8: the way home (scenes 92 to 108). The girl from last time waits outside the school
// (ask about her boyfriend for the last point), then you get lost at a crossroads: right into a
// bar being robbed, left to the street corner with the strangers. Both ways end at home, where
// the water you left running while brushing your teeth has flooded the hallway.
#pragma once

#include "engine/scene.hpp"
#include "story/joined_text.hpp"

namespace grimstep::story {

/// The three strangers on the street corner: heads, then arms and bodies; no line break after.
inline constexpr FixedText THREE_STRANGERS{R"art(    O      O      O
   /|\    /|\    /|\)art"};

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene WAY_HOME[] = {
    {.number = 92,
     .text = "The day is over and while leaving school you meet that girl from last time (why is she "
             "standing outside in the rain??? I dunno, I'm not very good at thinking stories out OK). "
             "She never came to the date you agreed on, and during the weekend she found a boyfriend "
             "and they got married (it goes quicker in reality than on TV).",
     .options = {{{"Talk to her.", 93}, {"XxX", 98}, {"", 92}}}},
    {.number = 93,
     .text = "H-hey dear.",
     .options = {{{"YOU DATE-DITCHING SOGGY CABBAGE HEAD!!!", 94}, {"Hey...", 95}, {"BYE", 98}}}},
    {.number = 94,
     .text = "Leave me alone!!",
     .options = {{{"", 94}, {"", 94}, {"BYE", 98}}}},
    {.number = 95,
     .text = "Why are you here?",
     .options = {{{"Just looking around. What about you?", 96},
                  {"And what about your boyfriend?", 97},
                  {"BYE", 98}}}},
    {.number = 96,
     .text = "Me too.",
     .options = {{{"", 96}, {"And what about your boyfriend?", 97}, {"BYE", 98}}}},
    {.number = 97,
     .text = "We divorced.",
     .options = {{{"OH SNAP. *SUDDEN CHECK OF CLOCK* I GOTTA GO!", 98}, {"", 97}, {"", 97}}},
     .effect = SceneEffect::AwardPoint},
    {.number = 98,
     .text = "You started walking home...",
     .options = {{{"...", 99}, {"", 98}, {"", 98}}}},
    {.number = 99,
     .text = "...and got lost again.",
     .options = {{{"DEja vu!", 100}, {"", 99}, {"", 99}}}},
    {.number = 100,
     .text = R"art(You are on a crossroads. There is a sign!
     ------------->
      Dead horse's
    <-------------
      ????????????
           ||
           ||
           ||)art",
     .options = {{{"Right -->", 101}, {"Left <--", 105}, {"", 100}}}},
    {.number = 101,
     .text = "You walk in and at the counter there is a masked man with a gun putting all the money "
             "from the counter into his bag. Everything as usual. What do you do?!?!!1?!/1`?!!!?",
     .options = {{{"Order a drink.", 102}, {"Leave.", 107}, {"", 101}}}},
    {.number = 102,
     .text = "You had a couple drinfs. What now?",
     .options = {{{"Smoke some kush.", 103}, {"I can fit in me a couple moar!", 103}, {"Leave", 104}}}},
    {.number = 103,
     .text = "Y0u r st4rtin ta hav halluzinashuns... u seee a... a... a grblxq vrrmptz kjoq wuzzzl "
             "fnargh pqlt xwvb!",
     .options = {{{"Now escape quick", 107}, {"", 103}, {"", 103}}}},
    {.number = 104,
     .text = "You wanna leave now?",
     .options = {{{"Noooo", 103}, {"", 104}, {"", 104}}}},
    {.number = 105,
     .text = JOINED<"You end up on the same street corner as last time, with the strangers hanging about. "
                    "You're twelve this time, so there should be more of them too, but (I'm not very good "
                    "at math) you count only three... Is basic logic even real?!\n",
                    THREE_STRANGERS>,
     .options = {{{"Say hello.", 106}, {"Bye bye!", 107}, {"", 105}}}},
    {.number = 106,
     .text = JOINED<"Hoodie guy: How old are you?\n"
                    "You: Twelve.\n"
                    "Hoodie guy: Good. One... two... three... WAIT. Where's the rest of us?!\n",
                    THREE_STRANGERS>,
     .options = {{{"Bye yo!", 107}, {"", 106}, {"", 106}}}},
    {.number = 107,
     .text = "You finally reached home!!!",
     .options = {{{"And what's next?", 108}, {"", 107}, {"", 107}}}},
    {.number = 108,
     .text = "As you open your door the entire hallway gets flooded with water... OH NO!!! I knew I "
             "forgot something! I never turned the water off after brushing my teeth this morning!!!",
     .options = {{{"Well?", 109}, {"", 108}, {"", 108}}}},
};
// clang-format on

}  // namespace grimstep::story
