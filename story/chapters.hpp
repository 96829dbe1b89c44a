// The chapters in story order: the one list that the scene table is joined from and that the
// story map draws. A new chapter is a file of its own under story/ and one line here.
#pragma once

#include "engine/scene.hpp"
#include "story/chapter1_opening.hpp"
#include "story/chapter2_arrival.hpp"
#include "story/chapter3_history.hpp"
#include "story/chapter4_computer_class.hpp"
#include "story/chapter5_hallway_and_gym.hpp"
#include "story/chapter6_math_and_geography.hpp"
#include "story/chapter7_lunch_and_biology.hpp"
#include "story/chapter8_way_home.hpp"
#include "story/chapter9_ending.hpp"

#include <array>
#include <span>
#include <string_view>

namespace grimstep::story {

/// A run of scenes told together, in number order.
struct Chapter {
    std::string_view title;
    std::span<const Scene> scenes;
};

inline constexpr std::array CHAPTERS = {
    Chapter{"1. Opening and the morning at home", OPENING_AND_MORNING},
    Chapter{"2. Arrival at school and the first break", ARRIVAL_AND_FIRST_BREAK},
    Chapter{"3. History lesson", HISTORY_LESSON},
    Chapter{"4. Second break and computer class", SECOND_BREAK_AND_COMPUTER_CLASS},
    Chapter{"5. Hallway and gym", HALLWAY_AND_GYM},
    Chapter{"6. Math and geography", MATH_AND_GEOGRAPHY},
    Chapter{"7. Lunch and biology", LUNCH_AND_BIOLOGY},
    Chapter{"8. The way home", WAY_HOME},
    Chapter{"9. The ending and the hidden room", ENDING_AND_HIDDEN_ROOM},
};

}  // namespace grimstep::story
