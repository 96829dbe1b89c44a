// The scene table's invariants, checked by one constexpr function: on the real story inside a
// static_assert, so a broken table does not build, and at run time by the unit tests on small
// broken tables, so that each check is known to catch what it should.
#pragma once

#include "engine/scene.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace grimstep {

/// What is wrong with a table; the first fault found wins.
enum class TableFault : std::uint8_t {
    None,
    Empty,                   ///< a story needs a scene 1 to start at
    NumberOutOfSequence,     ///< numbers must run 1, 2, 3, ... in table order: no gaps, repeats or reorders
    TextLength,              ///< a text must have 1 to MAX_TEXT_LENGTH characters
    LabelLength,             ///< a label must have at most MAX_LABEL_LENGTH characters
    LabelLineBreak,          ///< a label is one line: no line feed or tab
    ForbiddenCharacter,      ///< only printable ASCII, line feed and tab
    AllOptionsBlank,         ///< every scene needs at least one labelled option
    UnknownTarget,           ///< a target must be a scene, the next chapter's entry, or an end value
    PercentSign,             ///< "%" only in scene texts, and in the score scene only as its one "%d"
    UnreachableScene,        ///< every scene must be reachable from scene 1
};

/// The verdict on a table: a fault and the number of the scene it was found in.
struct TableDiagnosis {
    TableFault fault = TableFault::None;
    std::int32_t scene = 0;

    [[nodiscard]] constexpr bool ok() const { return fault == TableFault::None; }
    friend constexpr bool operator==(const TableDiagnosis&, const TableDiagnosis&) = default;
};

namespace detail {

constexpr bool isAllowedCharacter(char c) {
    return (c >= ' ' && c <= '~') || c == '\n' || c == '\t';
}

constexpr bool hasOnlyAllowedCharacters(std::string_view text) {
    for (const char c : text) {
        if (!isAllowedCharacter(c)) {
            return false;
        }
    }
    return true;
}

constexpr bool isEndValue(std::int32_t target) { return target == END_QUIT || target == END_FINAL; }

/// The score scene's text holds "%d" once and no other "%"; every other text may hold "%"
/// freely, since texts are printed as data.
constexpr bool percentSignsFit(const Scene& scene) {
    if (scene.effect != SceneEffect::ShowScore) {
        return true;
    }
    return std::ranges::count(scene.text, '%') == 1 && scene.text.find("%d") != std::string_view::npos;
}

constexpr TableFault checkScene(const Scene& scene) {
    if (scene.text.empty() || scene.text.size() > MAX_TEXT_LENGTH) {
        return TableFault::TextLength;
    }
    if (!hasOnlyAllowedCharacters(scene.text)) {
        return TableFault::ForbiddenCharacter;
    }
    if (!percentSignsFit(scene)) {
        return TableFault::PercentSign;
    }
    bool anyLabel = false;
    for (const SceneOption& option : scene.options) {
        if (option.label.size() > MAX_LABEL_LENGTH) {
            return TableFault::LabelLength;
        }
        if (option.label.find_first_of("\n\t") != std::string_view::npos) {
            return TableFault::LabelLineBreak;
        }
        if (!hasOnlyAllowedCharacters(option.label)) {
            return TableFault::ForbiddenCharacter;
        }
        if (option.label.find('%') != std::string_view::npos) {
            return TableFault::PercentSign;
        }
        // A target past the highest scene is the entry of a chapter not yet written.
        const bool scene_or_entry = option.target >= 1 && option.target <= END_THRESHOLD;
        if (!scene_or_entry && !isEndValue(option.target)) {
            return TableFault::UnknownTarget;
        }
        anyLabel = anyLabel || !option.label.empty();
    }
    return anyLabel ? TableFault::None : TableFault::AllOptionsBlank;
}

/// The first scene that no sequence of choices from scene 1 reaches, or 0.
constexpr std::int32_t firstUnreachable(std::span<const Scene> scenes) {
    std::array<bool, END_THRESHOLD + 1> reached{};
    std::array<std::int32_t, END_THRESHOLD + 1> pending{};
    std::size_t pendingCount = 0;
    reached[1] = true;
    pending[pendingCount++] = 1;
    while (pendingCount > 0) {
        const std::int32_t number = pending[--pendingCount];
        if (static_cast<std::size_t>(number) > scenes.size()) {
            continue;  // a chapter not yet written
        }
        for (const SceneOption& option : scenes[static_cast<std::size_t>(number) - 1].options) {
            if (option.target <= END_THRESHOLD && !reached[static_cast<std::size_t>(option.target)]) {
                reached[static_cast<std::size_t>(option.target)] = true;
                pending[pendingCount++] = option.target;
            }
        }
    }
    for (const Scene& scene : scenes) {
        if (!reached[static_cast<std::size_t>(scene.number)]) {
            return scene.number;
        }
    }
    return 0;
}

}  // namespace detail

/// Checks every invariant of a scene table and names the first fault and its scene.
constexpr TableDiagnosis checkTable(std::span<const Scene> scenes) {
    if (scenes.empty()) {
        return {TableFault::Empty, 0};
    }
    if (scenes.size() > static_cast<std::size_t>(END_THRESHOLD)) {
        return {TableFault::NumberOutOfSequence, scenes[END_THRESHOLD].number};
    }
    for (std::size_t index = 0; index < scenes.size(); ++index) {
        if (scenes[index].number != static_cast<std::int32_t>(index) + 1) {
            return {TableFault::NumberOutOfSequence, scenes[index].number};
        }
    }
    for (const Scene& scene : scenes) {
        if (const TableFault fault = detail::checkScene(scene); fault != TableFault::None) {
            return {fault, scene.number};
        }
    }
    if (const std::int32_t lost = detail::firstUnreachable(scenes); lost != 0) {
        return {TableFault::UnreachableScene, lost};
    }
    return {};
}

/// Fails to compile when the table is broken; the fault and the scene's number appear in the
/// template arguments of the error message, under both g++ and clang++.
template <TableFault Fault, std::int32_t SceneNumber>
constexpr bool sceneTableHolds() {
    static_assert(Fault == TableFault::None,
                  "the scene table breaks an invariant: see the fault and the scene number in this template's arguments");
    return true;
}

}  // namespace grimstep
