// The console of the real program: standard output, standard input, and the terminal for the
// final keypress. The only file of the game that knows about terminals and signals.
#pragma once

#include "engine/console.hpp"

#include <array>
#include <cstddef>

namespace grimstep {

class TerminalConsole final : public Console {
public:
    bool write(std::string_view bytes) override;
    int readByte() override;
    /// One key from the terminal with line mode and echo off, the terminal restored afterwards;
    /// at once when standard input is no terminal (a pipe, a file, /dev/null).
    void waitForKey() override;

private:
    std::array<char, 4096> input_{};
    std::size_t inputLength_ = 0;
    std::size_t inputTaken_ = 0;
    bool inputEnded_ = false;
};

}  // namespace grimstep
