// What a console has read of the player's input and not yet handed out. Each console says only
// how to read more from its platform; handing out bytes, and the rule that the end of the input
// stays the end (as at a terminal), are the same everywhere.
#pragma once

#include "engine/console.hpp"

#include <array>
#include <cstddef>

namespace grimstep {

class InputBuffer {
public:
    /// The next byte, or Console::END_OF_INPUT. When every byte read so far is taken, it calls
    /// `readMore(room, size)`, which waits for input and returns how many bytes it put into room
    /// (at most size), or 0 when the input has ended.
    template <typename ReadMore>
    int next(ReadMore&& readMore) {
        if (taken_ == length_ && !ended_) {
            length_ = readMore(bytes_.data(), bytes_.size());
            taken_ = 0;
            ended_ = length_ == 0;
        }
        if (ended_) {
            return Console::END_OF_INPUT;
        }
        return static_cast<unsigned char>(bytes_[taken_++]);
    }

    /// Ends the input here, whatever is left of it.
    void end() noexcept { ended_ = true; }

private:
    std::array<char, 4096> bytes_{};
    std::size_t length_ = 0;
    std::size_t taken_ = 0;
    bool ended_ = false;
};

}  // namespace grimstep
