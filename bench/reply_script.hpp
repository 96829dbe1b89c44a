// The scripted run the benchmark plays: replies that cycle through the whole story, with bad
// replies and blank options mixed in, never ending the game before the input ends.
#pragma once

#include "engine/scene.hpp"

#include <cstddef>
#include <string>

namespace grimstep::bench {

struct ReplyScript {
    std::string input;         ///< the replies, a few to a line
    std::size_t replies = 0;   ///< every one of them gets a screen back
    std::size_t invalid = 0;   ///< of which bad: wrong numbers, numbers past 32 bits, words
    std::size_t stays = 0;     ///< of which blank options that show the same scene again
    std::size_t rounds = 0;    ///< times every scene was shown
    std::size_t restarts = 0;  ///< times the story began again at scene 1
    /// Writes the game makes for the script: the first screen, one per reply, the farewell.
    [[nodiscard]] std::size_t screens() const { return replies + 2; }
};

/// Plays `replies` replies on the table: from each scene the shortest way to the nearest scene not
/// yet seen in this round; once all are seen, the next round begins. Every tenth reply is a bad
/// one and every seventh a blank option that stays, where the scene has one.
ReplyScript makeReplyScript(const SceneTable& table, std::size_t replies);

}  // namespace grimstep::bench
