// Text kept in a fixed array, so that playing never touches the heap. What does not fit is cut
// off, never written past the end.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace grimstep {

/// Anything text can be added to the end of: a BoundedText while playing, a std::string in tools.
template <typename Sink>
concept TextSink = requires(Sink& sink, std::string_view piece) {
    sink.append(piece);
};

template <std::size_t Capacity>
class BoundedText {
public:
    void clear() noexcept { length_ = 0; }

    void assign(std::string_view text) noexcept {
        clear();
        append(text);
    }

    void append(std::string_view text) noexcept {
        const std::size_t count = std::min(text.size(), Capacity - length_);
        std::copy_n(text.data(), count, chars_.data() + length_);
        length_ += count;
    }

    [[nodiscard]] std::string_view view() const noexcept { return {chars_.data(), length_}; }

private:
    std::array<char, Capacity> chars_{};
    std::size_t length_ = 0;
};

}  // namespace grimstep
