#include "bench/reply_script.hpp"

#include <algorithm>
#include <array>
#include <deque>
#include <string_view>
#include <vector>

namespace grimstep::bench {
namespace {

constexpr std::size_t INVALID_EVERY = 10;
constexpr std::size_t STAY_EVERY = 7;
constexpr std::size_t REPLIES_PER_LINE = 3;
/// Bad replies of every kind the game answers; a word drops the rest of its line, so it ends one.
constexpr std::array<std::string_view, 6> BAD_REPLIES = {"0", "4", "-1", "4294967298", "what?", "+-2"};

bool endsLine(std::string_view reply) { return reply.front() != '-' && (reply.front() < '0' || reply.front() > '9'); }

/// The options to choose, one after another, for the shortest way from `from` to the nearest
/// scene that `wanted` accepts; options that end the game are never taken.
template <typename Wanted>
std::vector<int> shortestWay(const SceneTable& table, std::int32_t from, Wanted wanted) {
    const std::size_t count = table.scenes().size();
    std::vector<std::int32_t> cameFrom(count + 1, 0);
    std::vector<int> optionTaken(count + 1, 0);
    std::deque<std::int32_t> pending{from};
    cameFrom[static_cast<std::size_t>(from)] = from;
    while (!pending.empty()) {
        const std::int32_t scene = pending.front();
        pending.pop_front();
        if (scene != from && wanted(scene)) {
            std::vector<int> way;
            for (std::int32_t at = scene; at != from; at = cameFrom[static_cast<std::size_t>(at)]) {
                way.push_back(optionTaken[static_cast<std::size_t>(at)]);
            }
            std::ranges::reverse(way);
            return way;
        }
        const auto& options = table.find(scene)->options;
        for (std::size_t i = 0; i < options.size(); ++i) {
            const std::int32_t target = options[i].target;
            if (table.find(target) != nullptr && cameFrom[static_cast<std::size_t>(target)] == 0) {
                cameFrom[static_cast<std::size_t>(target)] = scene;
                optionTaken[static_cast<std::size_t>(target)] = static_cast<int>(i) + 1;
                pending.push_back(target);
            }
        }
    }
    return {};
}

}  // namespace

ReplyScript makeReplyScript(const SceneTable& table, std::size_t replies) {
    ReplyScript script;
    std::vector<bool> seen(table.scenes().size() + 1, false);
    std::deque<int> way;
    std::int32_t scene = FIRST_SCENE;
    seen[FIRST_SCENE] = true;
    std::size_t onLine = 0;
    const auto add = [&](std::string_view reply) {
        script.input += reply;
        ++script.replies;
        const bool lineEnds = ++onLine == REPLIES_PER_LINE || endsLine(reply);
        script.input += lineEnds ? '\n' : ' ';
        onLine = lineEnds ? 0 : onLine;
    };

    while (script.replies < replies) {
        const Scene& current = *table.find(scene);
        const std::size_t turn = script.replies + 1;
        if (turn % INVALID_EVERY == 0) {
            add(BAD_REPLIES[script.invalid++ % BAD_REPLIES.size()]);
            continue;
        }
        if (turn % STAY_EVERY == 0) {
            const auto* const stay = std::ranges::find_if(current.options, [scene](const SceneOption& option) {
                return option.label.empty() && option.target == scene;
            });
            if (stay != current.options.end()) {
                add(std::to_string(stay - current.options.begin() + 1));
                ++script.stays;
                continue;
            }
        }
        if (way.empty()) {
            if (std::count(seen.begin() + 1, seen.end(), false) == 0) {
                std::fill(seen.begin(), seen.end(), false);  // every scene seen: a new round
                seen[static_cast<std::size_t>(scene)] = true;
                ++script.rounds;
            }
            const auto found =
                shortestWay(table, scene, [&seen](std::int32_t s) { return !seen[static_cast<std::size_t>(s)]; });
            way.assign(found.begin(), found.end());
            if (way.empty()) {
                break;  // a scene that cannot be reached; the table check rules that out
            }
        }
        const int option = way.front();
        way.pop_front();
        add(std::to_string(option));
        scene = current.options[static_cast<std::size_t>(option) - 1].target;
        seen[static_cast<std::size_t>(scene)] = true;
        script.restarts += scene == FIRST_SCENE ? 1 : 0;
    }
    return script;
}

}  // namespace grimstep::bench
