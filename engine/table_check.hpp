// The scene table's invariants, checked by one constexpr function: on the real story inside a
// static_assert, so a broken table does not build, and at run time by the unit tests on small
// broken tables, so that each check is known to catch what it should.
//
// The shape of the rules is the engine's; the facts (how many scenes, which ones score, where the
// two ways out are) are the story's, handed in as TableRules.
#pragma once

#include "engine/scene.hpp"
#include "engine/screen_format.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace grimstep {

/// One option of one scene.
struct OptionPlace {
    std::int32_t scene = 0;
    std::int32_t option = 0;  ///< 1, 2 or 3
};

/// What a story declares about itself, for the check to hold it to.
struct TableRules {
    std::int32_t sceneCount = 0;                ///< scenes 1 to sceneCount, no more, no fewer
    std::span<const std::int32_t> pointScenes;  ///< the scenes with AwardPoint, and no others
    std::int32_t scoreScene = 0;                ///< the one scene with ShowScore
    OptionPlace quitOption;                     ///< the only option leading to END_QUIT
    OptionPlace finalOption;                    ///< the only option leading to END_FINAL
};

/// What is wrong with a table; the first fault found wins. Based on int so that compilers name
/// the fault in their error message (clang shows a character for an 8-bit one).
enum class TableFault : int {
    None,
    SceneCount,           ///< the table must hold exactly the scenes the story declares
    NumberOutOfSequence,  ///< numbers must run 1, 2, 3, ... in table order: no gaps, repeats or reorders
    TextLength,           ///< a text must have 1 to MAX_TEXT_LENGTH characters
    LabelLength,          ///< a label must have at most MAX_LABEL_LENGTH characters
    LabelLineBreak,       ///< a label is one line: no line feed or tab
    ForbiddenCharacter,   ///< only printable ASCII, line feed and tab
    AllOptionsBlank,      ///< every scene needs at least one labelled option
    UnknownTarget,        ///< a target must be a scene of the table or an end value
    MisplacedEndValue,    ///< each end value on its one declared option, and there
    WrongEffect,          ///< effects exactly on the declared scenes
    PercentSign,          ///< "%" only in scene texts, and in the score scene only as its one "%d"
    UnreachableScene,     ///< every scene must be reachable from scene 1
    NoWayOut,             ///< from every scene some way must lead to an end value: no traps
};

/// The verdict on a table: a fault and the number of the scene it was found in.
struct TableDiagnosis {
    TableFault fault = TableFault::None;
    std::int32_t scene = 0;

    [[nodiscard]] constexpr bool ok() const { return fault == TableFault::None; }
    friend constexpr bool operator==(const TableDiagnosis&, const TableDiagnosis&) = default;
};

namespace detail {

/// Room for one flag per possible scene number.
using SceneFlags = std::array<bool, END_THRESHOLD + 1>;

constexpr std::size_t indexOf(std::int32_t number) { return static_cast<std::size_t>(number); }

// A plain loop: the whole story's text passes through here while it compiles, and compilers
// bound how many steps a constant evaluation may take.
constexpr bool hasOnlyAllowedCharacters(std::string_view text) {
    for (const char c : text) {  // NOLINT(readability-use-anyofallof)
        if ((c < ' ' || c > '~') && c != '\n' && c != '\t') {
            return false;
        }
    }
    return true;
}

constexpr bool isEndValue(std::int32_t target) { return target == END_QUIT || target == END_FINAL; }

constexpr bool isAt(const OptionPlace& place, std::int32_t scene, std::size_t option) {
    return place.scene == scene && indexOf(place.option) == option + 1;
}

constexpr SceneEffect declaredEffect(const TableRules& rules, std::int32_t scene) {
    if (scene == rules.scoreScene) {
        return SceneEffect::ShowScore;
    }
    const bool scores = std::find(rules.pointScenes.begin(), rules.pointScenes.end(), scene) != rules.pointScenes.end();
    return scores ? SceneEffect::AwardPoint : SceneEffect::None;
}

/// The score scene's text holds "%d" once and no other "%"; every other text may hold "%"
/// freely, since texts are printed as data.
constexpr bool percentSignsFit(const Scene& scene) {
    if (scene.effect != SceneEffect::ShowScore) {
        return true;
    }
    return std::count(scene.text.begin(), scene.text.end(), '%') == 1 &&
           scene.text.find(SCORE_PLACEHOLDER) != std::string_view::npos;
}

constexpr TableFault checkOption(
    const SceneOption& option, std::int32_t scene, std::size_t place, const TableRules& rules) {
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
    const bool isScene = option.target >= 1 && option.target <= rules.sceneCount;
    if (!isScene && !isEndValue(option.target)) {
        return TableFault::UnknownTarget;
    }
    if ((option.target == END_QUIT) != isAt(rules.quitOption, scene, place) ||
        (option.target == END_FINAL) != isAt(rules.finalOption, scene, place)) {
        return TableFault::MisplacedEndValue;
    }
    return TableFault::None;
}

constexpr TableFault checkScene(const Scene& scene, const TableRules& rules) {
    if (scene.text.empty() || scene.text.size() > MAX_TEXT_LENGTH) {
        return TableFault::TextLength;
    }
    if (!hasOnlyAllowedCharacters(scene.text)) {
        return TableFault::ForbiddenCharacter;
    }
    if (scene.effect != declaredEffect(rules, scene.number)) {
        return TableFault::WrongEffect;
    }
    if (!percentSignsFit(scene)) {
        return TableFault::PercentSign;
    }
    for (std::size_t place = 0; place < OPTION_COUNT; ++place) {
        if (const TableFault fault = checkOption(scene.options[place], scene.number, place, rules);
            fault != TableFault::None) {
            return fault;
        }
    }
    const bool anyLabel =
        std::any_of(scene.options.begin(), scene.options.end(), [](const SceneOption& o) { return !o.label.empty(); });
    return anyLabel ? TableFault::None : TableFault::AllOptionsBlank;
}

/// The scenes some sequence of choices from the first scene reaches. Targets are known to be in range.
constexpr SceneFlags reachedFromStart(std::span<const Scene> scenes) {
    SceneFlags reached{};
    std::array<std::int32_t, END_THRESHOLD + 1> pending{};
    std::size_t pendingCount = 0;
    reached[indexOf(FIRST_SCENE)] = true;
    pending[pendingCount++] = FIRST_SCENE;
    while (pendingCount > 0) {
        const std::int32_t number = pending[--pendingCount];
        for (const SceneOption& option : scenes[indexOf(number) - 1].options) {
            if (option.target <= END_THRESHOLD && !reached[indexOf(option.target)]) {
                reached[indexOf(option.target)] = true;
                pending[pendingCount++] = option.target;
            }
        }
    }
    return reached;
}

/// The scenes from which some sequence of choices reaches an end value. Most options lead
/// forward, so going through the scenes from the last one settles nearly all in the first round.
constexpr SceneFlags leadingToAnEnd(std::span<const Scene> scenes) {
    SceneFlags canEnd{};
    for (bool grew = true; grew;) {
        grew = false;
        for (auto scene = scenes.rbegin(); scene != scenes.rend(); ++scene) {
            if (canEnd[indexOf(scene->number)]) {
                continue;
            }
            for (const SceneOption& option : scene->options) {
                if (option.target > END_THRESHOLD || canEnd[indexOf(option.target)]) {
                    canEnd[indexOf(scene->number)] = true;
                    grew = true;
                    break;
                }
            }
        }
    }
    return canEnd;
}

}  // namespace detail

/// Checks every invariant of a scene table against the story's rules, and names the first fault
/// and the scene it is in.
constexpr TableDiagnosis checkTable(std::span<const Scene> scenes, const TableRules& rules) {
    if (rules.sceneCount < 1 || rules.sceneCount > END_THRESHOLD ||
        scenes.size() != static_cast<std::size_t>(rules.sceneCount)) {
        return {TableFault::SceneCount, static_cast<std::int32_t>(scenes.size())};
    }
    for (std::size_t index = 0; index < scenes.size(); ++index) {
        if (scenes[index].number != static_cast<std::int32_t>(index) + 1) {
            return {TableFault::NumberOutOfSequence, scenes[index].number};
        }
    }
    for (const Scene& scene : scenes) {
        if (const TableFault fault = detail::checkScene(scene, rules); fault != TableFault::None) {
            return {fault, scene.number};
        }
    }
    const detail::SceneFlags reached = detail::reachedFromStart(scenes);
    const detail::SceneFlags canEnd = detail::leadingToAnEnd(scenes);
    for (const Scene& scene : scenes) {
        if (!reached[detail::indexOf(scene.number)]) {
            return {TableFault::UnreachableScene, scene.number};
        }
        if (!canEnd[detail::indexOf(scene.number)]) {
            return {TableFault::NoWayOut, scene.number};
        }
    }
    return {};
}

/// Fails to compile when the table is broken; the fault and the scene's number appear in the
/// template arguments of the error message, under both g++ and clang++.
template <TableFault Fault, std::int32_t SceneNumber>
constexpr bool sceneTableHolds() {
    static_assert(
        Fault == TableFault::None,
        "the scene table breaks an invariant: see the fault and the scene number in this template's arguments");
    return true;
}

/// A scene table that has passed checkTable. Only checkedTable makes one, and only while the
/// program compiles, so the game loop is never handed a table that breaks the rules.
class CheckedTable : public SceneTable {
private:
    constexpr explicit CheckedTable(std::span<const Scene> scenes) noexcept : SceneTable(scenes) {}

    template <const auto& Scenes, const TableRules& Rules>
    friend consteval CheckedTable checkedTable();
};

/// The table of `Scenes` (an array with static storage), checked against the story's rules;
/// a table that breaks them does not compile, and the error names the fault and the scene.
template <const auto& Scenes, const TableRules& Rules>
consteval CheckedTable checkedTable() {
    constexpr TableDiagnosis diagnosis = checkTable(Scenes, Rules);
    static_assert(sceneTableHolds<diagnosis.fault, diagnosis.scene>());
    return CheckedTable{Scenes};
}

}  // namespace grimstep
