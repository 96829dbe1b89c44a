// Texts put together from pieces when the program is compiled, so that a picture shown in
// several scenes is drawn once and cannot drift apart between them.
//
//   .text = JOINED<"\n", GRINNING_FACE, "\n H3LL0 4G41N!!!!\n\t\t\t">,
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace grimstep::story {

/// A string held by value, so that it can be a template argument. N counts the closing zero.
template <std::size_t N>
struct FixedText {
    char chars[N]{};

    consteval FixedText(const char (&literal)[N]) { std::copy_n(literal, N, chars); }
    consteval FixedText() = default;

    [[nodiscard]] constexpr std::string_view view() const { return {chars, N - 1}; }
};

template <std::size_t... N>
consteval auto concatenate(const FixedText<N>&... parts) {
    FixedText<(N + ...) - sizeof...(N) + 1> whole;
    char* out = whole.chars;
    ((out = std::copy_n(parts.chars, N - 1, out)), ...);
    return whole;
}

/// The storage of a joined text: one constant per distinct list of pieces.
template <FixedText... Parts>
inline constexpr auto JOINED_STORAGE = concatenate(Parts...);

/// The pieces, joined into one text with static storage.
template <FixedText... Parts>
inline constexpr std::string_view JOINED = JOINED_STORAGE<Parts...>.view();

}  // namespace grimstep::story
