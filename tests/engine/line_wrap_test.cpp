// Word wrap on a table of cases: what fits is never touched, and what does not breaks between
// words where it can.
#include "engine/line_wrap.hpp"
#include "engine/screen_format.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace grimstep {
namespace {

struct WrapCase {
    const char* name;
    std::string text;
    std::size_t width;
    std::string expected;
};

void PrintTo(const WrapCase& wrap, std::ostream* out) { *out << wrap.name; }

class Wrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, BreaksLongLinesBetweenWords) {
    std::string wrapped;
    appendWrapped(wrapped, GetParam().text, GetParam().width);
    EXPECT_EQ(wrapped, GetParam().expected);
}

std::string screen(std::string_view text, const std::array<std::string_view, OPTION_COUNT>& labels) {
    std::string printed;
    appendScreen(printed, text, labels);
    return printed;
}

INSTANTIATE_TEST_SUITE_P(
    LineWrap,
    Wrapping,
    ::testing::Values(
        WrapCase{"exact_fit_is_untouched", "abcd efgh\n", 9, "abcd efgh\n"},
        WrapCase{"one_over_breaks_at_the_last_space", "abcd efghi\n", 9, "abcd\nefghi\n"},
        WrapCase{"several_rows", "one two three four five", 9, "one two\nthree\nfour five"},
        WrapCase{"word_longer_than_the_row", "a abcdefghijk b", 4, "a\nabcd\nefgh\nijk\nb"},
        WrapCase{"word_alone_longer_than_the_row", "abcdefghij", 4, "abcd\nefgh\nij"},
        WrapCase{"a_run_of_spaces_at_the_break_goes", "abc   def", 5, "abc\ndef"},
        WrapCase{"indentation_stays", "    abc\n  abc def", 7, "    abc\n  abc\ndef"},
        WrapCase{"tabs_count_to_the_next_stop", "\tab cd", 10, "\tab\ncd"},
        WrapCase{"a_tab_fits_exactly", "ab\tcd", 10, "ab\tcd"},
        WrapCase{"a_tab_wider_than_the_row", "\tx", 4, "\t\nx"},
        WrapCase{"trailing_tabs_past_the_edge_go", "H3LL0\n\t\t\t", 20, "H3LL0\n"},
        WrapCase{"trailing_spaces_past_the_edge_go", "Have fun! ", 9, "Have fun!"},
        WrapCase{"trailing_spaces_within_the_row_stay", "Have fun! ", 10, "Have fun! "},
        WrapCase{"empty_lines_stay", "\n\nab\n\n", 1, "\n\na\nb\n\n"},
        WrapCase{"width_zero_leaves_it_all", "a very long line indeed\t\t", 0, "a very long line indeed\t\t"},
        WrapCase{"width_one", "ab c", 1, "a\nb\nc"},
        WrapCase{
            "an_option_label_that_wraps",
            screen("Pick.", {"Run away as fast as you can", "", "Stay"}),
            12,
            "Pick.\n1. Run away\nas fast as\nyou can\n2. \n3. Stay\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineWrap, NeverMoreThanTwiceAsLong) {
    const std::string text(1000, 'x');
    std::string wrapped;
    appendWrapped(wrapped, text, 1);
    EXPECT_EQ(wrapped.size(), 2 * text.size() - 1);
}

TEST(LineWrap, EveryRowFitsAndNoWordIsLostOrSplitWhereASpaceFits) {
    const std::string text =
        "You wake up. It's Friday and it's raining (AGAIN). The waterproof coat keeps nothing out, "
        "the school is falling apart and you have forgotten something.";
    for (std::size_t width = 1; width <= text.size() + 1; ++width) {
        std::string wrapped;
        appendWrapped(wrapped, text, width);
        std::string rejoined;
        std::size_t rowStart = 0;
        for (std::size_t at = 0; at <= wrapped.size(); ++at) {
            if (at == wrapped.size() || wrapped[at] == '\n') {
                const std::string row = wrapped.substr(rowStart, at - rowStart);
                EXPECT_LE(row.size(), width) << "width " << width << ": " << row;
                rowStart = at + 1;
            }
        }
        // With every break made a space again, the words come back in order.
        for (const char c : wrapped) {
            rejoined += c == '\n' ? ' ' : c;
        }
        if (width >= 10) {  // no word is longer: none has to be broken
            EXPECT_EQ(rejoined, text) << "width " << width;
        }
    }
}

}  // namespace
}  // namespace grimstep
