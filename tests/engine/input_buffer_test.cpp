// The input every console reads through: bytes handed out across refills, and an end that stays.
#include "engine/input_buffer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep {
namespace {

/// Hands out the given chunks, one per read, then the end; counts the reads.
struct Chunks {
    std::vector<std::string> chunks;
    std::size_t reads = 0;

    std::size_t operator()(char* room, std::size_t size) {
        if (reads >= chunks.size()) {
            ++reads;
            return 0;
        }
        const std::string& chunk = chunks[reads++];
        const std::size_t count = std::min(size, chunk.size());
        std::copy_n(chunk.data(), count, room);
        return count;
    }
};

std::string drain(InputBuffer& input, Chunks& source) {
    std::string taken;
    for (int c = input.next(source); c != Console::END_OF_INPUT; c = input.next(source)) {
        taken += static_cast<char>(c);
    }
    return taken;
}

TEST(InputBuffer, HandsOutEveryByteAcrossReadsThenTheEnd) {
    InputBuffer input;
    Chunks source{{"1 2\n", "\xff", "3\n"}};
    EXPECT_EQ(
        drain(input, source),
        "1 2\n\xff"
        "3\n");
    EXPECT_EQ(source.reads, 4U) << "one read per chunk, and one for the end";
}

TEST(InputBuffer, TheEndStaysTheEnd) {
    InputBuffer input;
    Chunks source{{"1\n", "", "2\n"}};  // more would come after the end: it must not be read
    EXPECT_EQ(drain(input, source), "1\n");
    EXPECT_EQ(input.next(source), Console::END_OF_INPUT);
    EXPECT_EQ(source.reads, 2U);
}

TEST(InputBuffer, EndedMidwayDropsWhatIsLeft) {
    InputBuffer input;
    Chunks source{{"ab", "cd"}};
    EXPECT_EQ(input.next(source), 'a');
    input.end();
    EXPECT_EQ(input.next(source), Console::END_OF_INPUT);
    EXPECT_EQ(source.reads, 1U);
}

}  // namespace
}  // namespace grimstep
