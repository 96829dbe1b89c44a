#include "tools/story_map/story_chapters.hpp"

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
#include <cstddef>

namespace grimstep::map {
namespace {

/// A chapter's range read off its table, so that the map follows when scenes are added.
template <std::size_t N>
constexpr Chapter chapterOf(std::string_view title, const Scene (&scenes)[N]) {
    return {title, scenes[0].number, scenes[N - 1].number};
}

constexpr std::array CHAPTERS = {
    chapterOf("1. Opening and the morning at home", story::OPENING_AND_MORNING),
    chapterOf("2. Arrival at school and the first break", story::ARRIVAL_AND_FIRST_BREAK),
    chapterOf("3. History lesson", story::HISTORY_LESSON),
    chapterOf("4. Second break and computer class", story::SECOND_BREAK_AND_COMPUTER_CLASS),
    chapterOf("5. Hallway and gym", story::HALLWAY_AND_GYM),
    chapterOf("6. Math and geography", story::MATH_AND_GEOGRAPHY),
    chapterOf("7. Lunch and biology", story::LUNCH_AND_BIOLOGY),
    chapterOf("8. The way home", story::WAY_HOME),
    chapterOf("9. The ending and the hidden room", story::ENDING_AND_HIDDEN_ROOM),
};

}  // namespace

std::span<const Chapter> storyChapters() noexcept { return CHAPTERS; }

}  // namespace grimstep::map
