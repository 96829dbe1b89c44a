// grimstep.exe in a real Windows console: under a pseudo-terminal, wine gives the program a console
// and draws that console's screen on the terminal with escape sequences, which are stripped here
// before the text is read. Enter arrives as a carriage return, as from a Windows keyboard.
#include "tests/program/child_process.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/wait.h>

namespace grimstep::testing {
namespace {

constexpr char ESCAPE = '\x1b';
constexpr char BELL = '\x07';

/// Where the escape sequence that starts at `start` ends: a control sequence (ESC [, parameters,
/// a final byte from @ to ~), an operating system command (ESC ], up to BEL or ESC \), or ESC and
/// one more byte.
std::size_t escapeSequenceEnd(std::string_view drawn, std::size_t start) {
    std::size_t at = start + 1;
    if (at < drawn.size() && drawn[at] == '[') {
        while (++at < drawn.size() && (drawn[at] < '@' || drawn[at] > '~')) {
        }
        return at + 1;
    }
    if (at < drawn.size() && drawn[at] == ']') {
        while (++at < drawn.size() && drawn[at] != BELL && drawn[at] != ESCAPE) {
        }
        return at < drawn.size() && drawn[at] == ESCAPE ? at + 2 : at + 1;
    }
    return at + 1;
}

/// The text that wine drew, without its escape sequences (cursor shown and hidden, the rest of a
/// line erased) and carriage returns.
std::string textOf(std::string_view drawn) {
    std::string text;
    for (std::size_t at = 0; at < drawn.size();) {
        if (drawn[at] == ESCAPE) {
            at = escapeSequenceEnd(drawn, at);
        } else {
            if (drawn[at] != '\r') {
                text += drawn[at];
            }
            ++at;
        }
    }
    return text;
}

/// The game under wine in a pseudo-terminal, its screen read as text.
class WineConsole {
public:
    void send(std::string_view keys) {
        // Wine's console takes the terminal out of line mode when the program first reads from it;
        // keys sent before that would be taken by the terminal's line discipline instead.
        if (!keysSent_) {
            EXPECT_TRUE(session_.awaitLineMode(false, 10s)) << session_.transcript();
            keysSent_ = true;
        }
        session_.send(keys);
    }

    /// Waits until `text` is drawn after what earlier expects consumed.
    [[nodiscard]] bool expect(std::string_view text, std::chrono::milliseconds limit = 10s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const std::string drawn = textOf(session_.unconsumed());
            const auto found = drawn.find(text, consumed_);
            if (found != std::string::npos) {
                consumed_ = found + text.size();
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ADD_FAILURE() << "waited for: " << escaped(text) << "\n" << session_.transcript();
                return false;
            }
        }
    }

    /// The text drawn after what expects consumed.
    [[nodiscard]] std::string rest() { return textOf(session_.unconsumed()).substr(consumed_); }

    [[nodiscard]] std::optional<int> waitExit(std::chrono::milliseconds limit) { return session_.waitExit(limit); }

    [[nodiscard]] std::string transcript() const { return session_.transcript(); }

private:
    TerminalSession session_;
    std::size_t consumed_ = 0;
    bool keysSent_ = false;
};

/// How the title screen is left, and the key that then ends the game.
struct KeyAfterQuitting {
    const char* name;
    const char* quitLine;  ///< chooses "Ew! End it!"; what follows the 3 must not count as the key
    const char* key;
};

void PrintTo(const KeyAfterQuitting& keys, std::ostream* out) { *out << keys.name; }

class AfterTheFarewell : public ::testing::TestWithParam<KeyAfterQuitting> {};

TEST_P(AfterTheFarewell, OneKeyWithoutEnterEndsTheGame) {
    const KeyAfterQuitting& keys = GetParam();
    WineConsole game;
    ASSERT_TRUE(game.expect("1. Not again..."));
    game.send("1\r");
    ASSERT_TRUE(game.expect("1. ..."));
    game.send("1\r");
    ASSERT_TRUE(game.expect("3. Ew! End it!\n"));
    game.send(keys.quitLine);
    ASSERT_TRUE(game.expect("Press any key to save yourself.\n"));
    EXPECT_FALSE(game.waitExit(500ms).has_value()) << "what was typed before the farewell ended the wait\n"
                                                   << game.transcript();
    game.send(keys.key);
    const auto status = game.waitExit(5s);
    ASSERT_TRUE(status.has_value()) << game.transcript();
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
    EXPECT_EQ(game.rest(), "") << "the key was echoed\n" << game.transcript();
}

INSTANTIATE_TEST_SUITE_P(
    InAWineConsole,
    AfterTheFarewell,
    ::testing::Values(
        KeyAfterQuitting{"letter_after_the_rest_of_a_line", "3 5\r", "k"},
        KeyAfterQuitting{"enter_after_a_key_typed_ahead", "3\rx", "\r"},
        KeyAfterQuitting{"arrow_key", "3\r", "\x1b[A"},
        KeyAfterQuitting{"function_key", "3 1\r", "\x1bOP"},
        KeyAfterQuitting{"ctrl_c", "3\r", "\x03"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace grimstep::testing
