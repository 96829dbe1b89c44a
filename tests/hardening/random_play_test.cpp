// Random play-throughs of the real story: many thousands of walks from the first screen, valid and
// invalid replies mixed, each held to the promises to the player and to the screens its replies
// must bring. The walks repeat from run to run: the generators start from fixed values.
#include "engine/game_session.hpp"
#include "story/story.hpp"
#include "tests/support/session_check.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimstep::testing {
namespace {

constexpr int WALKS = 10'000;
/// The most replies one walk types; each walk draws its own length up to this.
constexpr int MOST_REPLIES = 600;

/// Numbers off the menu: each earns a complaint and the same screen again.
constexpr std::array<std::string_view, 10> NUMBERS_OFF_THE_MENU = {
    "0", "4", "-1", "100", "+0", "-3", "007", "2147483647", "-2147483648", "99999999999999999999"};
/// Lines with no number where the reply begins: one complaint each, the rest of the line dropped.
constexpr std::array<std::string_view, 8> LINES_WITHOUT_A_NUMBER = {
    "abc", "?", "-", "+", "x1", ".5", "\xC3\xA9t\xC3\xA9", "\x01\x7F 3"};
/// What may follow a number: white space of every kind.
constexpr std::array<std::string_view, 6> GAPS = {" ", "\n", "\n", "\t", "\r\n", " \n\n  "};

/// The replies of one walk, and what the game must print for them.
struct RandomWalk {
    std::string input;
    std::vector<std::int32_t> shown;
    int complaints = 0;
    int replies = 0;
};

/// Makes walks through a table by following its options, counting which options were taken.
class Walker {
public:
    Walker(const SceneTable& table, std::uint32_t start) : table_(table), random_(start) {}

    RandomWalk walk() {
        RandomWalk walk;
        std::int32_t at = FIRST_SCENE;
        walk.shown.push_back(at);
        const int replies = pick(1, MOST_REPLIES);
        for (; walk.replies < replies; ++walk.replies) {
            const int kind = pick(1, 100);
            if (kind <= 80) {
                const int option = pick(1, 3);
                walk.input += choice(option);
                walk.input += GAPS[pickIndex(GAPS.size())];
                taken.insert({at, option});
                at = table_.find(at)->options[static_cast<std::size_t>(option) - 1].target;
                if (at > END_THRESHOLD) {
                    ++walk.replies;
                    walk.input += "1 2 3\n";  // typed ahead after the end: never read
                    return walk;
                }
            } else if (kind <= 92) {
                walk.input += NUMBERS_OFF_THE_MENU[pickIndex(NUMBERS_OFF_THE_MENU.size())];
                walk.input += GAPS[pickIndex(GAPS.size())];
                ++walk.complaints;
            } else {
                walk.input += LINES_WITHOUT_A_NUMBER[pickIndex(LINES_WITHOUT_A_NUMBER.size())];
                walk.input += "\n";
                ++walk.complaints;
            }
            walk.shown.push_back(at);
        }
        return walk;
    }

    /// Every (scene, option) some walk chose.
    std::set<std::pair<std::int32_t, int>> taken;

private:
    int pick(int lowest, int highest) { return std::uniform_int_distribution<int>{lowest, highest}(random_); }
    std::size_t pickIndex(std::size_t count) { return static_cast<std::size_t>(pick(0, static_cast<int>(count) - 1)); }

    /// An option as a player might type it: mostly the digit, sometimes signed or zero-padded.
    std::string choice(int option) {
        std::string digit = std::to_string(option);
        switch (pick(1, 10)) {
            case 1:
                return "+" + digit;
            case 2:
                return "0" + digit;
            default:
                return digit;
        }
    }

    const SceneTable& table_;
    std::mt19937 random_;
};

TEST(RandomPlay, EveryWalkKeepsThePromisesAndEveryOptionIsTaken) {
    const CheckedTable& table = story::storyTable();
    const ScreenReader reader{table};
    Walker walker{table, 20'240'611};
    const std::size_t options = table.scenes().size() * OPTION_COUNT;
    std::size_t replies = 0;
    int walksToTakeAll = 0;
    std::int32_t highestScore = 0;
    int failures = 0;
    for (int i = 0; i < WALKS && failures < 5; ++i) {
        const RandomWalk walk = walker.walk();
        const SessionReport report = checkSession(reader, walk.input);
        replies += walk.replies;
        highestScore = std::max(highestScore, report.highestScore);
        const bool asExpected =
            report.fault.empty() && report.reading.shown == walk.shown && report.reading.complaints == walk.complaints;
        EXPECT_TRUE(asExpected) << "walk " << i << ": " << report.fault << "\nscreens " << report.reading.shown.size()
                                << " of " << walk.shown.size() << ", complaints " << report.reading.complaints << " of "
                                << walk.complaints;
        failures += asExpected ? 0 : 1;
        if (walksToTakeAll == 0 && walker.taken.size() == options) {
            walksToTakeAll = i + 1;
        }
    }
    std::cout << "random walks: " << WALKS << ", replies: " << replies << ", options taken: " << walker.taken.size()
              << " of " << options << " (all of them by walk " << walksToTakeAll << "), highest score: " << highestScore
              << "\n";
    EXPECT_EQ(walker.taken.size(), options);
}

}  // namespace
}  // namespace grimstep::testing
