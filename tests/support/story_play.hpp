// Plays the real story in tests, and reads the output back as the screens it is made of.
#pragma once

#include "engine/line_wrap.hpp"
#include "engine/scene.hpp"
#include "engine/table_check.hpp"
#include "tests/support/screen_reading.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grimstep::testing {

/// What a session printed and did.
struct Play {
    std::string output;               ///< every byte the session wrote
    std::vector<std::int32_t> shown;  ///< the scenes whose screens were printed, in order
    std::int32_t score = 0;           ///< the score when the session ended
    int complaints = 0;               ///< how many invalid-choice messages were printed
    bool farewell = false;            ///< whether the farewell prompt was printed
    bool ranOutOfInput = false;       ///< the game still wanted a reply when the replies ran out
    int status = -1;                  ///< what GameSession::run returned
};

/// Plays the real story from scene 1 with these replies, then the end of input.
Play play(std::string_view replies);
/// The same on any table.
Play playTable(const CheckedTable& table, std::string_view replies);

/// The shortest replies that lead from scene 1 to the given scene's screen, e.g. "1 1 1 3".
std::string routeTo(std::int32_t scene);

/// A scene of the real story; fails the test (and throws) if there is none.
const Scene& sceneNumbered(std::int32_t number);

/// The exact bytes a scene's screen prints, the score filled in where the scene shows it.
std::string screenOf(const Scene& scene, std::int32_t score = 0);
std::string screenOf(std::int32_t scene, std::int32_t score = 0);

/// Replies typed once the screen of scene `from` is up (reached by the shortest route from the
/// start), the screens they show after it, and the points they win on the way.
struct Walk {
    std::int32_t from = 1;
    std::string replies;
    std::vector<std::int32_t> expected;
    std::int32_t points = 0;
};
/// Names a walk in test output by where it starts and what is typed.
void PrintTo(const Walk& walk, std::ostream* out);
/// Plays the walk and checks its screens and points, that no reply was refused, and that the
/// game still goes on at the end.
void expectWalk(const Walk& walk);

/// The last `count` scenes shown (all of them when fewer were shown).
std::vector<std::int32_t> lastShown(const Play& play, std::size_t count);

/// A text split at line feeds: "a\nb\n" gives {"a", "b", ""}.
std::vector<std::string_view> linesOf(std::string_view text);
/// The words of a text in order: the runs between blanks and line feeds. (The columns a line
/// takes are the engine's columnsOf, in engine/line_wrap.hpp.)
std::vector<std::string_view> wordsOf(std::string_view text);

}  // namespace grimstep::testing
