// The game loop: show the current scene, read the player's choice, move on, until a choice
// leads past END_THRESHOLD; then the farewell and one keypress.
#pragma once

#include "engine/bounded_text.hpp"
#include "engine/console.hpp"
#include "engine/reply_reader.hpp"
#include "engine/scene.hpp"
#include "engine/table_check.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace grimstep {

inline constexpr std::string_view INVALID_CHOICE_MESSAGE = "That's not how it works!\n";
inline constexpr std::string_view FAREWELL_PROMPT = "Press any key to save yourself.\n";

/// What is being shown: a copy of the scene, so nothing points into the table between passes.
struct CurrentScreen {
    BoundedText<MAX_TEXT_LENGTH> text;
    std::array<BoundedText<MAX_LABEL_LENGTH>, OPTION_COUNT> labels;
    std::array<std::int32_t, OPTION_COUNT> targets{};
};

class GameSession {
public:
    /// Exit status of a run whose output could not be written.
    static constexpr int OUTPUT_FAILED = 1;

    GameSession(const CheckedTable& table, Console& console) noexcept
        : table_(table), console_(console), replies_(console) {}

    /// Plays from scene 1 to the end and returns the exit status.
    int run();

    /// The points of the current play-through.
    [[nodiscard]] std::int32_t score() const noexcept { return score_; }

private:
    // The longest output written at once: a complaint, then a whole screen.
    static constexpr std::size_t MAX_OUTPUT =
        INVALID_CHOICE_MESSAGE.size() + MAX_TEXT_LENGTH + 1 + OPTION_COUNT * (3 + MAX_LABEL_LENGTH + 1);

    void loadScene();
    void printScreen();
    bool readChoice();
    void applyChoice();
    void sayFarewell();
    void flush();

    const CheckedTable& table_;
    Console& console_;
    ReplyReader replies_;

    CurrentScreen screen_;
    std::int32_t lastChoice_ = 0;
    std::int32_t currentSceneNumber_ = 1;
    std::int32_t score_ = 0;
    /// Which scoring scenes have counted in this play-through: each counts once.
    std::array<bool, END_THRESHOLD + 1> pointCounted_{};
    /// Output gathered until the game waits, so each screen leaves in one piece.
    BoundedText<MAX_OUTPUT> output_;
    /// The same, its long lines broken to the console's width; wrapping at most doubles it.
    BoundedText<2 * MAX_OUTPUT> wrapped_;
    bool outputFailed_ = false;
};

}  // namespace grimstep
