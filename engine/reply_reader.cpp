#include "engine/reply_reader.hpp"

#include <algorithm>
#include <limits>

namespace grimstep {
namespace {

bool isSpace(int c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

int ReplyReader::peek() {
    if (pending_ == NOTHING_PENDING) {
        pending_ = console_.readByte();
    }
    return pending_;
}

void ReplyReader::discardRestOfLine() {
    for (int c = peek(); c != Console::END_OF_INPUT; c = peek()) {
        take();
        if (c == '\n') {
            return;
        }
    }
}

Reply ReplyReader::next() {
    while (isSpace(peek())) {
        take();
    }
    if (peek() == Console::END_OF_INPUT) {
        return {Reply::Kind::EndOfInput, 0};
    }
    const bool negative = peek() == '-';
    if (negative || peek() == '+') {
        take();
    }
    if (!isDigit(peek())) {
        discardRestOfLine();
        return {Reply::Kind::Invalid, 0};
    }
    // Counted in 64 bits and held at the first value past 32 bits, so any run of digits is safe.
    constexpr std::int64_t beyond = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (int c = peek(); isDigit(c); c = peek()) {
        take();
        magnitude = std::min(magnitude * 10 + (c - '0'), beyond);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return {Reply::Kind::Invalid, 0};
    }
    return {Reply::Kind::Number, static_cast<std::int32_t>(value)};
}

}  // namespace grimstep
