// Chapter 1: the opening and the morning at home (scenes 1 to 13). The title screen, then a
// rainy Friday: window, desk, breakfast, a sketch on the wall, and the water left running.
#pragma once

#include "engine/scene.hpp"

namespace grimstep::story {

// One block per scene, laid out by hand.
// clang-format off
inline constexpr Scene OPENING_AND_MORNING[] = {
    {.number = 1,
     .text = "Vantorek aka Fumblewick aka Ruddle aka Snorkhaus inc. prezentz... (choose your option by typing in a number)",
     .options = {{{"Not again...", 2}, {"", 1}, {"", 1}}}},
    {.number = 2,
     .text = "(UN)NORMAL",
     .options = {{{"...", 3}, {"", 2}, {"", 2}}}},
    {.number = 3,
     .text = R"art(
   GGGG  RRRR   IIIII  M   M   SSSS  TTTTT  EEEEE  PPPP
  G      R   R    I    MM MM  SSS      T    EEEE   P   P
  G  GG  RRRR     I    M M M    SSS    T    E      PPPP
   GGGG  R   R  IIIII  M   M  SSSS     T    EEEEE  P
------------------------Sloshmarch------------------------)art",
     .options = {{{"Let's go!", 6}, {"Who made THIS?", 4}, {"Ew! End it!", END_QUIT}}}},
    {.number = 4,
     .text = "ME!",
     .options = {{{"Who?", 5}, {"", 4}, {"", 4}}}},
    {.number = 5,
     .text = "Vantorek.",
     .options = {{{"Oh.", 3}, {"", 5}, {"", 5}}}},
    {.number = 6,
     .text = "You wake up in your room. It's FRIDAY!!! (yay) But it's raining like CRAZY outside... "
             "and you still have to go to school. (booo!!!) What do you do?",
     .options = {{{"Realise you have to go to school", 11}, {"Check your desk", 8}, {"Peek (fall) out the window", 7}}}},
    {.number = 7,
     .text = R"art(



    (  )  (                                          ____
  )   o    )   What a LOVELY rainy day!!! --->      (o o \____________
 (   ooo   (   <--- It's pissing down out there!     \_/ _____________)~
  ) oooooo  )                                           | |       | |
 ( oooooooo (                                           m m       m m)art",
     .options = {{{"Back to the room", 6}, {"", 7}, {"", 7}}}},
    {.number = 8,
     .text = "You check your desk. Ther's a marker, an apple with a glass of juice and a note from mom: "
             "\"Your clothes are in the fridge. I'm at the psychiatrist.\" (WHAT?! AGAIN?!)",
     .options = {{{"Go to school", 11}, {"Eat the breakfast and go to school", 9}, {"Draw a sketch on the wall and go to school", 10}}}},
    {.number = 9,
     .text = R"art(
     |/                         _____
  ooo|ooo                 _____/__
 ooooooooo               |    /   |
 ooooooooo               |~~~/~~~~|
  ooooooo                |  / o   |
    ooo                  |_/___O__|
Yum yum!)art",
     .options = {{{"Let's get rolling now!", 11}, {"", 9}, {"", 10}}}},
    {.number = 10,
     .text = R"art(
                            .:8888888888888:.

                        .88888888888888888888888.

                     .8888:'                 ':8888.

                     88888:   ~~~       ~~~   :88888

                     88888:   (o)       (o)   :88888

                     88888:         )         :88888

                     88888:      '.___.'      :88888

                    888888: '.             .' :888888

                   8888888:   '-._______.-'   :8888888

                  88888888:      |     |      :88888888

                 888888888:  __.-'     '-.__  :888888888

              8888888888'  ;     \ (%) /     ;  '8888888888

              888888888'  ;   '-._______.-'   ;  '888888888

              8888888'   ;                     ;   '8888888

Puberty is taking over)art",
     .options = {{{"To school!", 11}, {"", 10}, {"", 10}}}},
    {.number = 11,
     .text = "Hold on bud! Gotta brush your teeth first!",
     .options = {{{"Alrighty!", 12}, {"", 11}, {"", 11}}}},
    {.number = 12,
     .text = "You turn the water on and brush your teeth.",
     .options = {{{"Look at yourself in the mirror", 13}, {"Stop brushing and go to school!", 14}, {"", 12}}}},
    {.number = 13,
     .text = R"art(
                          ;:+##+#+#
                     :++#+;+###++#@##+;
                   ;:;+##+;;+##+++#@@#+;+
                 +++;;+##+;;+##+++#@@#++###
               ;+#+;;+##+.````+;+#@',,+#@@#;;
              +++ :..........`````'@',,:#++###
             ++#::............````''',,,::;+@+;
            :;##:..............````''',,::;;@@+;
            :##:...........#...`#``''',,,::;+@#;
            +##...#########....``#########:;+#++
             ::....,,,,,,,,,..``,,,,,,,,:::;+++
           '':`...,,  @@@  ,.```,   @@@ ::;;+++::
          ''':``....,,,,,,....`::',,,,,,::;;+++:::
           '':```.........``..`::''',,,::;;++++::
           ':':`````````````..'::'',,,::;;;+++:#:
              :''``@@`````:@@::@@:,,,::;;;++++
               :'''''``'''''''',,,,:::;;;++++
                :,'''''''''',,,,,::::;;+++++
                 ::,,,,@@@@@@@@@@@@@@;+++++
                   :::::::::::::;;;++++++
                     ;;;;;;;;;;;+++++++
                       ``++++++++++,,
                ''''''##`````````'''##''''''
    '''''''''''''''''''''#''...`''#''''''''',,,,,,,,,,,,
,,,,'''''''''''''''''''''''##''##''''''''''',,,,,,,,,,,,::::
,,,,'''''''''''''''''''''''''##''''''''''''',,,,,,,,,,,,::::
)art",
     .options = {{{"Ugh!", 14}, {"", 13}, {"", 13}}}},
};
// clang-format on

}  // namespace grimstep::story
