// Runs a measured program as a child: standard input from a file or an open pipe, standard output
// to a pipe that is read to the end, and what the run cost.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace grimstep::bench {

/// What one run to the end cost and produced.
struct RunResult {
    std::chrono::nanoseconds elapsed{};  ///< from just before the start to the child's exit
    std::uint64_t outputBytes = 0;
    std::uint64_t outputHash = 0;  ///< FNV-1a of the output, when asked for
    int exitStatus = -1;           ///< the exit code, or -1 when the child did not exit
};

/// Runs `program` with standard input from `inputPath` and `environment` as its whole environment.
RunResult runToEnd(
    const std::string& program,
    const std::string& inputPath,
    const std::vector<std::string>& environment,
    bool hashOutput);

/// Starts `program` with an empty input that stays open, and returns how long it took until
/// `firstScreenBytes` bytes had come out; then ends the input and waits for the child.
std::chrono::nanoseconds timeToFirstScreen(const std::string& program, std::size_t firstScreenBytes);

}  // namespace grimstep::bench
