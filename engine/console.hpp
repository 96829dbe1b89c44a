// The seam between the game and the outside world: the program talks to standard input and
// output and the terminal, the tests to a script and a string.
#pragma once

#include <cstddef>
#include <string_view>

namespace grimstep {

class Console {
public:
    /// What readByte returns once the player's input has ended.
    static constexpr int END_OF_INPUT = -1;
    /// What columns returns where lines are left as they are: a pipe, a file.
    static constexpr std::size_t UNLIMITED_COLUMNS = 0;

    Console() = default;
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;
    virtual ~Console() = default;

    /// Delivers the bytes whole, before returning; false when they cannot be written.
    virtual bool write(std::string_view bytes) = 0;
    /// The next byte the player typed, or END_OF_INPUT.
    virtual int readByte() = 0;
    /// Waits for one keypress that the player makes from now on; typed-ahead input does not count.
    virtual void waitForKey() = 0;
    /// How wide the player's screen is now, so that long lines break between words rather than
    /// inside them; UNLIMITED_COLUMNS where the bytes must go out exactly as they are.
    virtual std::size_t columns() = 0;
};

}  // namespace grimstep
