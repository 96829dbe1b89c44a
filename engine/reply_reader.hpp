// Reads the player's replies the way "%d" reads a number, with the gaps of "%d" closed:
// a reply that is no number, or too large for 32 bits, is consumed and reported as invalid.
#pragma once

#include "engine/console.hpp"

#include <cstdint>

namespace grimstep {

struct Reply {
    enum class Kind : std::uint8_t {
        Number,      ///< a decimal number within 32 bits, held in `number`
        Invalid,     ///< no number where the read began, or one beyond 32 bits
        EndOfInput,  ///< nothing more will come
    };
    Kind kind = Kind::EndOfInput;
    std::int32_t number = 0;

    friend constexpr bool operator==(const Reply&, const Reply&) = default;
};

class ReplyReader {
public:
    explicit ReplyReader(Console& console) noexcept : console_(console) {}

    /// Skips white space, then reads one signed decimal number and leaves the character after
    /// it unread. A line that holds no number there is discarded whole: one bad line, one reply.
    Reply next();

private:
    static constexpr int NOTHING_PENDING = -2;

    int peek();
    void take() { pending_ = NOTHING_PENDING; }
    void discardRestOfLine();

    Console& console_;
    int pending_ = NOTHING_PENDING;  ///< a byte read ahead and not yet taken
};

}  // namespace grimstep
