// The seam between the game and the outside world: the program talks to standard input and
// output and the terminal, the tests to a script and a string.
#pragma once

#include <string_view>

namespace grimstep {

class Console {
public:
    /// What readByte returns once the player's input has ended.
    static constexpr int END_OF_INPUT = -1;

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
};

}  // namespace grimstep
