// The scene model: the records the story is written in, and the bounds they must keep.
//
// How to add a scene: write one block in its chapter's file under story/, in number order,
// with its number, its text, its three options (label, target) and, if it scores or shows the
// score, its effect. The compiler then checks the whole table (see engine/table_check.hpp).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace grimstep {

/// Where every play-through starts: at program start, and again after "Start again!".
inline constexpr std::int32_t FIRST_SCENE = 1;
/// The highest scene number the game goes on at; a target above it ends the game. Set well
/// above the story's 115 scenes, so that chapters can grow without moving the ends.
inline constexpr std::int32_t END_THRESHOLD = 200;
/// End value of the title screen's "Ew! End it!". Any value past END_THRESHOLD would end the
/// game; the two ends keep the values they have always had, so maps and transcripts stay alike.
inline constexpr std::int32_t END_QUIT = 205;
/// End value of the end screen's "End it!".
inline constexpr std::int32_t END_FINAL = 5000;
/// The longest text the current screen can hold: its field has room for 10,000 bytes with the
/// terminating zero that the screen's fields have always kept. The longest text of the story,
/// the 28-line picture of scene 13, needs a small part of it.
inline constexpr std::size_t MAX_TEXT_LENGTH = 9'999;
/// The longest option label the current screen can hold: 100 bytes with the zero, more than
/// the story's longest label (74 characters) and any line of an 80-column screen.
inline constexpr std::size_t MAX_LABEL_LENGTH = 99;
/// Every scene offers exactly this many options.
inline constexpr std::size_t OPTION_COUNT = 3;

/// What loading a scene does besides filling the screen.
enum class SceneEffect : std::uint8_t {
    None,
    AwardPoint,  ///< the scene is worth one point
    ShowScore,   ///< the scene's one "%d" shows the score
};

/// One numbered option. An empty label makes a blank option, which can still be chosen.
struct SceneOption {
    std::string_view label;
    std::int32_t target = 0;  ///< a scene number, or an end value above END_THRESHOLD
};

/// One screen of the story: a text and three options.
struct Scene {
    std::int32_t number = 0;
    std::string_view text;
    std::array<SceneOption, OPTION_COUNT> options{};
    SceneEffect effect = SceneEffect::None;
};

/// The whole story, read-only. Scenes are numbered from 1 without gaps, which the table check
/// guarantees, so a scene's place in the table follows from its number.
class SceneTable {
public:
    constexpr explicit SceneTable(std::span<const Scene> scenes) noexcept : scenes_(scenes) {}

    /// The scene with this number, or nullptr when the table has none; constant time.
    [[nodiscard]] constexpr const Scene* find(std::int32_t number) const noexcept {
        if (number < 1 || static_cast<std::size_t>(number) > scenes_.size()) {
            return nullptr;
        }
        const Scene& scene = scenes_[static_cast<std::size_t>(number) - 1];
        return scene.number == number ? &scene : nullptr;
    }

    /// All scenes in ascending number order.
    [[nodiscard]] constexpr std::span<const Scene> scenes() const noexcept { return scenes_; }

private:
    std::span<const Scene> scenes_;
};

}  // namespace grimstep
