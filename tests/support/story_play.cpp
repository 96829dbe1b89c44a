#include "tests/support/story_play.hpp"

#include "engine/game_session.hpp"
#include "engine/screen_format.hpp"
#include "story/story.hpp"
#include "tests/support/scripted_console.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <queue>
#include <stdexcept>

namespace grimstep::testing {

Play playTable(const CheckedTable& table, std::string_view replies) {
    ScriptedConsole console{std::string(replies)};
    GameSession session{table, console};
    Play result;
    result.status = session.run();
    result.output = console.output();
    result.score = session.score();
    result.ranOutOfInput = console.ranOut();
    if (const auto reading = readOutput(table, result.output)) {
        result.shown = reading->shown;
        result.complaints = reading->complaints;
        result.farewell = reading->farewell;
    } else {
        ADD_FAILURE() << "the output is not made of whole screens:\n" << result.output;
    }
    return result;
}

Play play(std::string_view replies) { return playTable(story::storyTable(), replies); }

std::string routeTo(std::int32_t scene) {
    const SceneTable& table = story::storyTable();
    // Breadth first from the first scene, remembering the option that first reached each scene.
    std::array<std::int32_t, END_THRESHOLD + 1> from{};
    std::array<int, END_THRESHOLD + 1> option{};
    std::array<bool, END_THRESHOLD + 1> seen{};
    std::queue<std::int32_t> pending;
    seen[FIRST_SCENE] = true;
    pending.push(FIRST_SCENE);
    while (!pending.empty()) {
        const std::int32_t current = pending.front();
        pending.pop();
        const Scene* found = table.find(current);
        if (found == nullptr) {
            continue;
        }
        for (int i = 0; i < 3; ++i) {
            const std::int32_t target = found->options[static_cast<std::size_t>(i)].target;
            if (target <= END_THRESHOLD && !seen[static_cast<std::size_t>(target)]) {
                seen[static_cast<std::size_t>(target)] = true;
                from[static_cast<std::size_t>(target)] = current;
                option[static_cast<std::size_t>(target)] = i + 1;
                pending.push(target);
            }
        }
    }
    if (scene < 1 || scene > END_THRESHOLD || !seen[static_cast<std::size_t>(scene)]) {
        ADD_FAILURE() << "no route to scene " << scene;
        return {};
    }
    std::string route;
    for (std::int32_t at = scene; at != FIRST_SCENE; at = from[static_cast<std::size_t>(at)]) {
        route.insert(0, (route.empty() ? "" : " "));
        route.insert(0, std::to_string(option[static_cast<std::size_t>(at)]));
    }
    return route;
}

const Scene& sceneNumbered(std::int32_t number) {
    const Scene* scene = story::storyTable().find(number);
    if (scene == nullptr) {
        ADD_FAILURE() << "the story has no scene " << number;
        throw std::out_of_range("no such scene");
    }
    return *scene;
}

std::string screenOf(const Scene& scene, std::int32_t score) {
    std::string screen;
    appendSceneScreen(screen, scene, score);
    return screen;
}

std::string screenOf(std::int32_t scene, std::int32_t score) { return screenOf(sceneNumbered(scene), score); }

void PrintTo(const Walk& walk, std::ostream* out) {
    *out << "from scene " << walk.from << ", replies \"" << walk.replies << "\"";
}

void expectWalk(const Walk& walk) {
    const std::string route = routeTo(walk.from);
    const Play start = play(route);
    ASSERT_FALSE(start.shown.empty());
    ASSERT_EQ(start.shown.back(), walk.from);

    const Play walked = play(route + " " + walk.replies);
    ASSERT_GE(walked.shown.size(), start.shown.size());
    const std::vector<std::int32_t> after(
        walked.shown.begin() + static_cast<std::ptrdiff_t>(start.shown.size()), walked.shown.end());
    EXPECT_EQ(after, walk.expected);
    EXPECT_EQ(walked.score, start.score + walk.points);
    EXPECT_EQ(walked.complaints, start.complaints);
    EXPECT_TRUE(walked.ranOutOfInput) << "the game ended on the way";
}

std::vector<std::int32_t> lastShown(const Play& play, std::size_t count) {
    const auto keep = static_cast<std::ptrdiff_t>(std::min(count, play.shown.size()));
    return {play.shown.end() - keep, play.shown.end()};
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(end + 1);
    }
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = text.find_first_not_of(" \t\n");
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\n", start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(" \t\n", end);
    }
    return words;
}

}  // namespace grimstep::testing
