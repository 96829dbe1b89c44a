// Writes standard input to standard output with its long lines broken as the game breaks them on a
// screen COLUMNS wide, with the engine's own word wrap: the browser tests hold what the page's
// terminal shows to the native game's output wrapped so.
// Usage: grimstep_wrap_for_tests COLUMNS < TEXT
#include "engine/line_wrap.hpp"

#include <charconv>
#include <cstddef>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    const std::span arguments(argv, static_cast<std::size_t>(argc));
    std::size_t columns = 0;
    const std::string_view width = arguments.size() == 2 ? arguments[1] : "";
    if (const auto [end, error] = std::from_chars(width.data(), width.data() + width.size(), columns);
        width.empty() || error != std::errc{} || end != width.data() + width.size()) {
        std::cerr << "usage: grimstep_wrap_for_tests COLUMNS < TEXT\n";
        return 2;
    }
    const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::string wrapped;
    grimstep::appendWrapped(wrapped, text, columns);
    std::cout << wrapped << std::flush;
    return std::cout ? 0 : 1;
}
