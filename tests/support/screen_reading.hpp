// Takes the game's output apart into the screens, complaints and farewell it is made of. Free of
// any test framework, so that the fuzz target can use it too.
#pragma once

#include "engine/scene.hpp"
#include "engine/table_check.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {

/// Output taken apart into what it is made of.
struct Reading {
    std::vector<std::int32_t> shown;        ///< the scenes whose screens were printed, in order
    std::vector<std::int32_t> scoresShown;  ///< the number each score screen showed, in order
    int complaints = 0;                     ///< invalid-choice messages
    bool farewell = false;                  ///< whether the farewell prompt was printed
};

/// Every screen of one table, built once, so that long output reads quickly.
class ScreenReader {
public:
    explicit ScreenReader(const CheckedTable& table);

    [[nodiscard]] const CheckedTable& table() const noexcept { return table_; }

    /// Reads more output into `reading`. False when some part is no whole screen of the table, no
    /// complaint and no farewell, or when anything follows a farewell; `reading` is then partial.
    [[nodiscard]] bool readInto(std::string_view output, Reading& reading) const;

private:
    /// A screen as printed; for the score screen, the parts before and after the number.
    struct Screen {
        std::int32_t scene = 0;
        std::string before;
        std::string after;
        bool showsScore = false;
    };

    /// How long the screen is if the output begins with it, else 0; the number shown, if any.
    static std::size_t lengthAt(const Screen& screen, std::string_view output, std::int32_t& score);

    const CheckedTable& table_;
    /// The screens, by their first byte: a screen can only start where its first byte is.
    std::array<std::vector<Screen>, 256> screensByFirstByte_;
};

/// Output taken apart; empty when it is not made of whole screens, complaints and a last farewell.
std::optional<Reading> readOutput(const CheckedTable& table, std::string_view output);

}  // namespace grimstep::testing
