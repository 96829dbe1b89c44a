// The history lesson: the ring of five option sets, getting mad (and the F's jumps back), the secret
// door to the hidden room, and the quiz with its one point.
#include "story/chapter3_history.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {
namespace {

using Shown = std::vector<std::int32_t>;

class HistoryWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(HistoryWalk, ShowsTheExpectedScenesAndPoints) { expectWalk(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    History,
    HistoryWalk,
    ::testing::Values(
        // The main line through the point: keep your cool in the third set and know your war.
        Walk{25, "3 3 2 3 1 1", {26, 27, 31, 33, 34, 35}, 1},
        // Round the ring and back to the first set.
        Walk{25, "3 3 3 3 3", {26, 27, 28, 29, 25}, 0},
        // The fifth set's first get-mad opens the hidden room; its second one is an ordinary F.
        Walk{25, "3 3 3 3 1", {26, 27, 28, 29, 113}, 0},
        Walk{29, "2", {30}, 0},
        // Getting mad anywhere else ends with the F, and "Uh huh." rings the bell without a point.
        Walk{25, "1 1", {30, 34}, 0},
        Walk{25, "2 1", {30, 34}, 0},
        Walk{26, "1 1", {30, 34}, 0},
        Walk{26, "2 1", {30, 34}, 0},
        Walk{27, "1 1", {30, 34}, 0},
        Walk{28, "1 1", {30, 34}, 0},
        Walk{28, "2 1", {30, 34}, 0},
        // The F's blanks jump back: the second to the classroom, the third to the question; never the F again.
        Walk{30, "2", {17}, 0},
        Walk{30, "3", {25}, 0},
        // From the classroom the break plays again and the bell brings you back to the question.
        Walk{30, "2 1 3 1 1", {17, 20, 23, 24, 25}, 0},
        // The quiz: both 1800s are WRONG, only 1812? is RIGHT and worth a point.
        Walk{31, "1 1", {32, 34}, 0},
        Walk{31, "2 1", {32, 34}, 0},
        Walk{31, "3 1", {33, 34}, 1},
        // WRONG stays wrong, and the bell stays rung.
        Walk{32, "2 3 1", {32, 32, 34}, 0},
        Walk{34, "2 3 1", {34, 34, 35}, 0}));

TEST(History, RightCountsOnceHoweverOftenItIsShown) {
    const std::string route = routeTo(31);
    const Play start = play(route);
    // Blank, blank, an invalid reply, then AHA! to the bell.
    const Play p = play(route + " 3 2 3 7 1");
    EXPECT_EQ(lastShown(p, 5), (Shown{33, 33, 33, 33, 34}));
    EXPECT_EQ(p.complaints, start.complaints + 1);
    EXPECT_EQ(p.score, start.score + 1);
}

TEST(History, TheRingShowsOneTextWithTheNextSetNamedInTurn) {
    const std::string route = routeTo(25);
    const Play p = play(route + " 3 3 3 3 3");
    std::string ring;
    for (const std::int32_t number : {25, 26, 27, 28, 29, 25}) {
        ring += screenOf(number);
    }
    EXPECT_NE(p.output.find(ring), std::string::npos);

    const std::vector<std::string_view> expected{"Options 2", "Options 3", "Options 4", "Options 5", "Options 1"};
    std::vector<std::string_view> labels;
    std::int32_t number = 25;
    for (int step = 0; step < 5; ++step) {
        const Scene& scene = sceneNumbered(number);
        EXPECT_EQ(scene.text, sceneNumbered(25).text) << "scene " << number;
        labels.push_back(scene.options[2].label);
        number = scene.options[2].target;
    }
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(number, 25);
}

TEST(History, KeepingYourCoolIsOfferedOnceAndLeadsToTheQuiz) {
    int calm = 0;
    for (const std::int32_t number : {25, 26, 27, 28, 29}) {
        const Scene& scene = sceneNumbered(number);
        for (std::size_t i = 0; i < 2; ++i) {
            const SceneOption& option = scene.options[i];
            if (option.label == "DON'T GET MAD AT HIM!") {
                ++calm;
                EXPECT_EQ(number, 27);
                EXPECT_EQ(option.target, 31);
            } else {
                EXPECT_EQ(option.label, "GET MAD AT HIM!") << "scene " << number << " option " << i + 1;
                const bool secret = number == 29 && i == 0;
                EXPECT_EQ(option.target, secret ? 113 : 30) << "scene " << number << " option " << i + 1;
            }
        }
    }
    EXPECT_EQ(calm, 1);
}

TEST(History, OnlyRightIsWorthAPoint) {
    for (const Scene& scene : story::HISTORY_LESSON) {
        const SceneEffect expected = scene.number == 33 ? SceneEffect::AwardPoint : SceneEffect::None;
        EXPECT_EQ(scene.effect, expected) << "scene " << scene.number;
    }
}

TEST(History, TheQuestionAndTheFAreOneLineEach) {
    for (const std::int32_t number : {25, 26, 27, 28, 29, 30}) {
        EXPECT_EQ(linesOf(sceneNumbered(number).text).size(), 1U) << "scene " << number;
    }
}

TEST(History, TheFIsShoutedWithTwentyOneMarksThenTheComplaint) {
    const std::string_view text = sceneNumbered(30).text;
    const std::size_t open = text.find('(');
    ASSERT_NE(open, std::string_view::npos);
    EXPECT_EQ(text.back(), ')');

    const std::string_view shout = text.substr(0, open);
    const std::size_t marks = shout.size() - shout.find_last_not_of('!') - 1;
    EXPECT_EQ(marks, 21U);
    EXPECT_NE(shout.find(" F!"), std::string_view::npos);
    EXPECT_TRUE(std::none_of(shout.begin(), shout.end(), [](char c) { return c >= 'a' && c <= 'z'; }));

    const std::string_view complaint = text.substr(open);
    EXPECT_TRUE(std::none_of(complaint.begin(), complaint.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
}

}  // namespace
}  // namespace grimstep::testing
