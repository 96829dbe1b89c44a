// The one screen format: the text and a line feed, then one numbered line per option. The game
// prints with it, and the tests, the benchmark and the tools build their expected screens with it.
#pragma once

#include "engine/bounded_text.hpp"
#include "engine/scene.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace grimstep {

/// What stands before each option's label, in option order.
inline constexpr std::array<std::string_view, OPTION_COUNT> OPTION_PREFIXES = {"1. ", "2. ", "3. "};
/// Where the score scene shows the score.
inline constexpr std::string_view SCORE_PLACEHOLDER = "%d";

/// Appends a screen: the text, a line feed, then "1. " and label 1, a line feed, and so on. Texts
/// and labels are data: a "%" in them is printed as it stands.
template <TextSink Sink>
void appendScreen(Sink& out, std::string_view text, const std::array<std::string_view, OPTION_COUNT>& labels) {
    out.append(text);
    out.append("\n");
    for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
        out.append(OPTION_PREFIXES[i]);
        out.append(labels[i]);
        out.append("\n");
    }
}

/// The labels of a scene's options, in order.
constexpr std::array<std::string_view, OPTION_COUNT> labelsOf(const Scene& scene) {
    return {scene.options[0].label, scene.options[1].label, scene.options[2].label};
}

/// Appends a scene's text as it is shown: the score scene's placeholder becomes the score in
/// decimal digits; every other text is appended as it stands.
template <TextSink Sink>
void appendSceneText(Sink& out, const Scene& scene, std::int32_t score) {
    const std::size_t placeholder =
        scene.effect == SceneEffect::ShowScore ? scene.text.find(SCORE_PLACEHOLDER) : std::string_view::npos;
    if (placeholder == std::string_view::npos) {
        out.append(scene.text);
        return;
    }
    std::array<char, 12> digits{};  // a sign and ten digits fit
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), score).ptr;
    out.append(scene.text.substr(0, placeholder));
    out.append({digits.data(), static_cast<std::size_t>(end - digits.data())});
    out.append(scene.text.substr(placeholder + SCORE_PLACEHOLDER.size()));
}

/// Appends a scene's whole screen as the game shows it with this score.
template <TextSink Sink>
void appendSceneScreen(Sink& out, const Scene& scene, std::int32_t score) {
    BoundedText<MAX_TEXT_LENGTH> text;
    appendSceneText(text, scene, score);
    appendScreen(out, text.view(), labelsOf(scene));
}

}  // namespace grimstep
