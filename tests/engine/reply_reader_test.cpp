#include "engine/reply_reader.hpp"
#include "tests/support/scripted_console.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace grimstep {
namespace {

using Kind = Reply::Kind;
constexpr Reply number(std::int32_t n) { return {Kind::Number, n}; }
constexpr Reply INVALID{Kind::Invalid, 0};
constexpr Reply END{Kind::EndOfInput, 0};

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<Reply> replies;  // then the end of input, read twice to show it stays ended
};

void PrintTo(const ReadCase& read, std::ostream* out) { *out << read.name; }

class ReadingReplies : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingReplies, TakesNumbersAsPercentDDoes) {
    testing::ScriptedConsole console{GetParam().input};
    ReplyReader reader{console};
    for (const Reply& expected : GetParam().replies) {
        EXPECT_EQ(reader.next(), expected);
    }
    EXPECT_EQ(reader.next(), END);
    EXPECT_EQ(reader.next(), END);
    EXPECT_EQ(console.unread(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    ReplyReader,
    ReadingReplies,
    ::testing::Values(
        ReadCase{"nothing", "", {}},
        ReadCase{"only_white_space", " \n\t\n\r\n", {}},
        ReadCase{"one_line", "3\n", {number(3)}},
        ReadCase{"no_line_break_at_the_end", "3", {number(3)}},
        ReadCase{"empty_lines_first", "\n\n  \n2\n", {number(2)}},
        ReadCase{"plus_sign_and_leading_zeros", "+2 02 -0 +0007\n", {number(2), number(2), number(0), number(7)}},
        ReadCase{"negative", "-1\n", {number(-1)}},
        ReadCase{"two_numbers_on_a_line", "1 2\n3\n", {number(1), number(2), number(3)}},
        ReadCase{"the_32_bit_limits", "2147483647 -2147483648\n", {number(2147483647), number(-2147483648)}},
        ReadCase{"one_past_the_limits", "2147483648 -2147483649 1\n", {INVALID, INVALID, number(1)}},
        ReadCase{"endless_digits", "99999999999999999999999999999999 2\n", {INVALID, number(2)}},
        ReadCase{"letters_lose_the_rest_of_the_line", "abc 1\n2\n", {INVALID, number(2)}},
        ReadCase{"punctuation", "?!\n.5\n", {INVALID, INVALID}},
        ReadCase{"sign_alone", "- 3\n+\n4\n", {INVALID, INVALID, number(4)}},
        ReadCase{"number_then_letters", "2x 9\n3\n", {number(2), INVALID, number(3)}},
        ReadCase{"letters_at_the_end", "abc", {INVALID}},
        ReadCase{"windows_line_ends", "1\r\n2\r\n", {number(1), number(2)}},
        ReadCase{"a_zero_byte", std::string("\0 1\n2", 5), {INVALID, number(2)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplyReader, ReadsNoFurtherThanTheCharacterAfterTheNumber) {
    testing::ScriptedConsole console{"12 345"};
    ReplyReader reader{console};
    EXPECT_EQ(reader.next(), number(12));
    EXPECT_EQ(console.unread(), 3U);  // the space was looked at; "345" waits for the next read
}

}  // namespace
}  // namespace grimstep
