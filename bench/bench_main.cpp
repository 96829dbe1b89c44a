// The benchmark: plays a long scripted run through the built game and through the reference
// loop, with standard output to a pipe, and prints their figures side by side.
// Usage: grimstep_bench GAME REFERENCE_LOOP COUNTING_LIBRARY [REPLIES]
#include "bench/child_run.hpp"
#include "bench/reply_script.hpp"
#include "engine/scene.hpp"
#include "engine/screen_format.hpp"
#include "story/story.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace grimstep::bench {
namespace {

constexpr std::size_t DEFAULT_REPLIES = 1'000'000;
constexpr int TIMED_ROUNDS = 5;    ///< full runs of each program; the fastest counts
constexpr int START_ROUNDS = 200;  ///< start-ups of each program; the median counts
constexpr double SPEED_TARGET = 0.85;
constexpr double START_TARGET = 1.20;

/// What the counting library saw in one run.
struct Counts {
    unsigned long allocationsAtStart = 0;
    unsigned long allocationsAfter = 0;
    unsigned long writes = 0;
    unsigned long bytes = 0;
    long peakKibibytes = 0;
};

/// Everything measured for one program.
struct Figures {
    RunResult counted;
    Counts counts;
    double repliesPerSecond = 0;
    double writesPerScreen = 0;
    long peakKibibytes = 0;
    double startMilliseconds = 0;
};

/// A file of our own in the temporary folder, removed again at the end.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& contents) {
        std::string pattern = "/tmp/grimstep-bench-XXXXXX";
        const int file = mkstemp(pattern.data());
        if (file < 0) {
            throw std::runtime_error("cannot make a temporary file");
        }
        close(file);
        path_ = pattern;
        std::ofstream(path_, std::ios::binary) << contents;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { unlink(path_.c_str()); }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string firstScreen(const SceneTable& table) {
    std::string screen;
    appendSceneScreen(screen, *table.find(FIRST_SCENE), 0);
    return screen;
}

Figures measureCounts(
    const std::string& program, const std::string& library, const std::string& script, const ReplyScript& replies) {
    const TemporaryFile countsFile("");
    Figures figures;
    figures.counted =
        runToEnd(program, script, {"LD_PRELOAD=" + library, "GRIMSTEP_BENCH_COUNTS=" + countsFile.path()}, true);
    std::ifstream in(countsFile.path());
    if (!(in >> figures.counts.allocationsAtStart >> figures.counts.allocationsAfter >> figures.counts.writes >>
          figures.counts.bytes >> figures.counts.peakKibibytes)) {
        throw std::runtime_error("the counting library reported nothing for " + program);
    }
    figures.writesPerScreen = static_cast<double>(figures.counts.writes) / static_cast<double>(replies.screens());
    figures.peakKibibytes = figures.counts.peakKibibytes;
    return figures;
}

std::string withSeparators(double value) {
    const std::string digits = std::to_string(std::llround(value));
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

void printRow(
    const char* what,
    const std::string& game,
    const std::string& reference,
    const std::string& ratio,
    const std::string& target,
    const char* verdict) {
    std::printf(
        "%-34s %14s %14s %8s   %-9s %s\n",
        what,
        game.c_str(),
        reference.c_str(),
        ratio.c_str(),
        target.c_str(),
        verdict);
}

std::string fixed(double value, int decimals) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

/// Replies per second of both, from the fastest of their full runs, taken in turns.
void measureSpeed(
    const std::string& game,
    const std::string& reference,
    const std::string& script,
    const ReplyScript& replies,
    Figures& ofGame,
    Figures& ofReference) {
    std::chrono::nanoseconds bestGame = std::chrono::nanoseconds::max();
    std::chrono::nanoseconds bestReference = bestGame;
    for (int round = 0; round < TIMED_ROUNDS; ++round) {
        bestGame = std::min(bestGame, runToEnd(game, script, {}, false).elapsed);
        bestReference = std::min(bestReference, runToEnd(reference, script, {}, false).elapsed);
    }
    const auto perSecond = [&replies](std::chrono::nanoseconds elapsed) {
        return static_cast<double>(replies.replies) / std::chrono::duration<double>(elapsed).count();
    };
    ofGame.repliesPerSecond = perSecond(bestGame);
    ofReference.repliesPerSecond = perSecond(bestReference);
}

/// The median time to the first screen of both, their starts taken in turns.
void measureStartUp(
    const std::string& game,
    const std::string& reference,
    std::size_t firstScreenBytes,
    Figures& ofGame,
    Figures& ofReference) {
    std::vector<double> ofGameStarts;
    std::vector<double> ofReferenceStarts;
    const auto milliseconds = [firstScreenBytes](const std::string& program) {
        return std::chrono::duration<double, std::milli>(timeToFirstScreen(program, firstScreenBytes)).count();
    };
    for (int round = 0; round < START_ROUNDS; ++round) {
        ofGameStarts.push_back(milliseconds(game));
        ofReferenceStarts.push_back(milliseconds(reference));
    }
    const auto median = [](std::vector<double>& values) {
        std::ranges::nth_element(values, values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2));
        return values[values.size() / 2];
    };
    ofGame.startMilliseconds = median(ofGameStarts);
    ofReference.startMilliseconds = median(ofReferenceStarts);
}

void printTable(const Figures& ofGame, const Figures& ofReference, const ReplyScript& replies) {
    const double speedRatio = ofGame.repliesPerSecond / ofReference.repliesPerSecond;
    const double writeRatio = ofGame.writesPerScreen / ofReference.writesPerScreen;
    const double memoryRatio =
        static_cast<double>(ofGame.peakKibibytes) / static_cast<double>(ofReference.peakKibibytes);
    const double startRatio = ofGame.startMilliseconds / ofReference.startMilliseconds;

    printRow("", "grimstep", "reference", "ratio", "target", "");
    printRow(
        "replies per second",
        withSeparators(ofGame.repliesPerSecond),
        withSeparators(ofReference.repliesPerSecond),
        fixed(speedRatio, 2),
        ">= 0.85",
        verdict(speedRatio >= SPEED_TARGET));
    printRow(
        "write calls per screen",
        fixed(ofGame.writesPerScreen, 3),
        fixed(ofReference.writesPerScreen, 3),
        fixed(writeRatio, 2),
        "1",
        verdict(ofGame.counts.writes == replies.screens()));
    printRow(
        "heap allocations after start-up",
        std::to_string(ofGame.counts.allocationsAfter),
        std::to_string(ofReference.counts.allocationsAfter),
        "-",
        "0",
        verdict(ofGame.counts.allocationsAfter == 0));
    printRow(
        "  (heap allocations at start-up)",
        std::to_string(ofGame.counts.allocationsAtStart),
        std::to_string(ofReference.counts.allocationsAtStart),
        "-",
        "",
        "");
    printRow(
        "peak memory (KiB)",
        withSeparators(static_cast<double>(ofGame.peakKibibytes)),
        withSeparators(static_cast<double>(ofReference.peakKibibytes)),
        fixed(memoryRatio, 2),
        "",
        "");
    printRow(
        "start-up to first screen (ms)",
        fixed(ofGame.startMilliseconds, 3),
        fixed(ofReference.startMilliseconds, 3),
        fixed(startRatio, 2),
        "<= 1.20",
        verdict(startRatio <= START_TARGET));
    std::printf(
        "\nReplies per second: the fastest of %d runs each; start-up: the median of %d starts each.\n",
        TIMED_ROUNDS,
        START_ROUNDS);
}

int run(const std::string& game, const std::string& reference, const std::string& library, std::size_t count) {
    const SceneTable& table = story::storyTable();
    const ReplyScript replies = makeReplyScript(table, count);
    const TemporaryFile script(replies.input);

#ifdef GRIMSTEP_BENCH_NOT_RELEASE
    std::printf("Note: not a Release build; the release preset's figures are the ones that count.\n\n");
#endif
    std::printf(
        "%zu replies (%zu bad, %zu blank options that stay), %zu screens; every scene shown in %zu "
        "rounds, %zu restarts\n",
        replies.replies,
        replies.invalid,
        replies.stays,
        replies.screens(),
        replies.rounds,
        replies.restarts);

    Figures ofGame = measureCounts(game, library, script.path(), replies);
    Figures ofReference = measureCounts(reference, library, script.path(), replies);
    const bool same = ofGame.counted.outputHash == ofReference.counted.outputHash &&
                      ofGame.counted.outputBytes == ofReference.counted.outputBytes;
    std::printf(
        "%.1f MB written by each; the game's output and the reference loop's are %s\n\n",
        static_cast<double>(ofGame.counted.outputBytes) / 1e6,
        same ? "identical" : "DIFFERENT");
    if (!same || ofGame.counted.exitStatus != 0 || ofReference.counted.exitStatus != 0) {
        std::fprintf(
            stderr,
            "The runs do not match (exit statuses %d and %d): no figures.\n",
            ofGame.counted.exitStatus,
            ofReference.counted.exitStatus);
        return 1;
    }
    measureSpeed(game, reference, script.path(), replies, ofGame, ofReference);
    measureStartUp(game, reference, firstScreen(table).size(), ofGame, ofReference);
    printTable(ofGame, ofReference, replies);
    return 0;
}

}  // namespace
}  // namespace grimstep::bench

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fputs("usage: grimstep_bench GAME REFERENCE_LOOP COUNTING_LIBRARY [REPLIES]\n", stderr);
        return 2;
    }
    try {
        const std::size_t replies = argc == 5 ? std::strtoull(argv[4], nullptr, 10) : grimstep::bench::DEFAULT_REPLIES;
        return grimstep::bench::run(argv[1], argv[2], argv[3], replies);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "grimstep_bench: %s\n", error.what());
        return 1;
    }
}
