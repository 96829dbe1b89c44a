// The promises to the player, checked on one session with any input: the session ends, makes at
// most one pass per input byte plus one, writes nothing but whole screens, complaints and one
// closing farewell, and never counts more points than the story has. Free of any test framework,
// so that the fuzz target and the random play-throughs share it.
#pragma once

#include "tests/support/screen_reading.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace grimstep::testing {

/// What one checked session did, and the first promise it broke.
struct SessionReport {
    std::string fault;              ///< empty when every promise held
    Reading reading;                ///< what was printed, as far as it could be read
    std::size_t passes = 0;         ///< screens loaded and printed
    std::int32_t highestScore = 0;  ///< the highest score the session held
};

/// Plays the reader's table from the start on `input`, then the end of input, and checks it.
SessionReport checkSession(const ScreenReader& reader, std::string_view input);

}  // namespace grimstep::testing
