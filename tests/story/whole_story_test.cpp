// The story as a whole: every state a player can be in, the best score, every option.
#include "engine/game_session.hpp"
#include "story/story.hpp"
#include "tests/support/story_play.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <queue>
#include <set>
#include <string>

namespace grimstep::testing {
namespace {

/// Where a player can be: the scene on screen and which scoring scenes have counted.
struct State {
    std::int32_t scene;
    unsigned counted;  // one bit per scoring scene, in story order

    friend auto operator<=>(const State&, const State&) = default;
};

/// Every state reachable from the start, each with the shortest replies that reach it; and the
/// options taken on the way, as (scene, option) pairs.
struct Exploration {
    std::map<State, std::string> routes;
    std::set<std::pair<std::int32_t, int>> optionsTaken;
};

Exploration explore() {
    const SceneTable& table = story::storyTable();
    std::map<std::int32_t, unsigned> scoreBit;
    for (const Scene& scene : table.scenes()) {
        if (scene.effect == SceneEffect::AwardPoint) {
            scoreBit.emplace(scene.number, 1U << scoreBit.size());
        }
    }
    Exploration found;
    std::queue<State> pending;
    const State start{FIRST_SCENE, 0};
    found.routes.emplace(start, "");
    pending.push(start);
    while (!pending.empty()) {
        const State state = pending.front();
        pending.pop();
        const Scene* scene = table.find(state.scene);
        for (int option = 1; option <= 3; ++option) {
            found.optionsTaken.emplace(state.scene, option);
            const std::int32_t target = scene->options[static_cast<std::size_t>(option) - 1].target;
            if (target > END_THRESHOLD) {
                continue;  // the game ends there
            }
            // Showing scene 1 starts a new play-through; a scoring scene counts once in each.
            const unsigned counted =
                target == FIRST_SCENE ? 0 : state.counted | (scoreBit.contains(target) ? scoreBit[target] : 0);
            const State next{target, counted};
            if (!found.routes.contains(next)) {
                const std::string& before = found.routes[state];
                found.routes.emplace(next, before + (before.empty() ? "" : " ") + std::to_string(option));
                pending.push(next);
            }
        }
    }
    return found;
}

TEST(WholeStory, TheBestScoreIsExactlyFiveAndTheEngineAgrees) {
    const Exploration found = explore();
    int best = 0;
    std::string bestRoute;
    for (const auto& [state, route] : found.routes) {
        if (std::popcount(state.counted) > best) {
            best = std::popcount(state.counted);
            bestRoute = route;
        }
    }
    EXPECT_EQ(best, 5);
    // The same replies through the real loop score the same.
    EXPECT_EQ(play(bestRoute).score, 5);
}

TEST(WholeStory, EveryOptionOfEverySceneCanBeTaken) {
    const Exploration found = explore();
    for (const Scene& scene : story::storyTable().scenes()) {
        for (int option = 1; option <= 3; ++option) {
            EXPECT_TRUE(found.optionsTaken.contains({scene.number, option}))
                << "option " << option << " of scene " << scene.number;
        }
    }
}

TEST(WholeStory, OnlyTheSketchAndTheCreditsHoldAPercentSign) {
    for (const Scene& scene : story::storyTable().scenes()) {
        EXPECT_EQ(
            scene.text.find('%') != std::string_view::npos,
            scene.number == 10 || scene.effect == SceneEffect::ShowScore)
            << "only the sketch on the wall and the credits hold a %: scene " << scene.number;
    }
}

}  // namespace
}  // namespace grimstep::testing
