// Word wrap for a screen narrower than the story's long lines: a line longer than the screen is
// broken at its last blank that fits, so words stay whole. Lines that fit are never touched, so
// the pictures (at most 80 columns) stay as drawn on any screen that wide.
#pragma once

#include "engine/bounded_text.hpp"

#include <cstddef>
#include <string_view>

namespace grimstep {

/// Tab stops stand every this many columns, as on a terminal.
inline constexpr std::size_t TAB_STOP = 8;

namespace detail {

constexpr std::size_t advance(std::size_t column, char c) {
    return c == '\t' ? (column / TAB_STOP + 1) * TAB_STOP : column + 1;
}

}  // namespace detail

/// The columns a line takes on a terminal, tabs to the next tab stop.
constexpr std::size_t columnsOf(std::string_view line) {
    std::size_t columns = 0;
    for (const char c : line) {
        columns = detail::advance(columns, c);
    }
    return columns;
}

namespace detail {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// Appends one line (no line feed in it) broken into pieces of at most `width` columns.
template <TextSink Sink>
void appendWrappedLine(Sink& out, std::string_view line, std::size_t width) {
    // Blanks at the end of a line that is too long would only hang past the edge: dropped.
    while (columnsOf(withoutTrailingBlanks(line)) > width) {
        std::size_t fits = 0;                            // characters that fit on this row
        std::size_t lastBreak = std::string_view::npos;  // the last blank after a word that fits
        for (std::size_t column = 0; fits < line.size(); ++fits) {
            if (isBlank(line[fits]) && fits > 0 && !isBlank(line[fits - 1])) {
                lastBreak = fits;
            }
            const std::size_t next = advance(column, line[fits]);
            if (next > width) {
                break;
            }
            column = next;
        }
        if (lastBreak == std::string_view::npos) {
            // One word longer than the row: broken where it must be, at least one character a row.
            const std::size_t cut = fits > 0 ? fits : 1;
            out.append(line.substr(0, cut));
            out.append("\n");
            line.remove_prefix(cut);
            continue;
        }
        // The blanks at a break end the row; the next row starts with the next word.
        out.append(line.substr(0, lastBreak));
        out.append("\n");
        // A word follows the break: were there only blanks, the line would have fitted.
        line.remove_prefix(line.find_first_not_of(" \t", lastBreak));
    }
    out.append(columnsOf(line) > width ? withoutTrailingBlanks(line) : line);
}

}  // namespace detail

/// Appends `text` with every line longer than `width` columns broken at its last blank that fits
/// (tabs counted to the next tab stop); a word longer than the row is broken where it must be.
/// Blanks at a break, and at the end of a line too long, are dropped. A width of 0 leaves the text as it is. The result
/// is at most twice as long as the text.
template <TextSink Sink>
void appendWrapped(Sink& out, std::string_view text, std::size_t width) {
    if (width == 0) {
        out.append(text);
        return;
    }
    for (;;) {
        const std::size_t end = text.find('\n');
        detail::appendWrappedLine(out, text.substr(0, end), width);
        if (end == std::string_view::npos) {
            return;
        }
        out.append("\n");
        text.remove_prefix(end + 1);
    }
}

}  // namespace grimstep
