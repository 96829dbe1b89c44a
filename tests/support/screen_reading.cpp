#include "tests/support/screen_reading.hpp"

#include "engine/game_session.hpp"
#include "engine/screen_format.hpp"

#include <algorithm>
#include <limits>

namespace grimstep::testing {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ScreenReader::ScreenReader(const CheckedTable& table) : table_(table) {
    for (const Scene& scene : table.scenes()) {
        std::string printed;  // the score scene with its placeholder, to be split there
        appendScreen(printed, scene.text, labelsOf(scene));
        Screen screen{.scene = scene.number, .before = printed, .after = {}, .showsScore = false};
        if (scene.effect == SceneEffect::ShowScore) {
            const std::size_t placeholder = printed.find(SCORE_PLACEHOLDER);  // the screen begins with the text
            screen = {
                .scene = scene.number,
                .before = printed.substr(0, placeholder),
                .after = printed.substr(placeholder + SCORE_PLACEHOLDER.size()),
                .showsScore = true};
        }
        // A screen that begins with its number has a digit first; any digit may stand there.
        const bool startsWithScore = screen.showsScore && screen.before.empty();
        for (int first = 0; first < 256; ++first) {
            const char c = static_cast<char>(first);
            if (startsWithScore ? isDigit(c) : screen.before.front() == c) {
                screensByFirstByte_[static_cast<std::size_t>(first)].push_back(screen);
            }
        }
    }
}

std::size_t ScreenReader::lengthAt(const Screen& screen, std::string_view output, std::int32_t& score) {
    if (!output.starts_with(screen.before)) {
        return 0;
    }
    if (!screen.showsScore) {
        return screen.before.size();
    }
    std::size_t digits = 0;
    std::int64_t number = 0;
    while (screen.before.size() + digits < output.size() && isDigit(output[screen.before.size() + digits])) {
        number = std::min<std::int64_t>(
            number * 10 + (output[screen.before.size() + digits] - '0'), std::numeric_limits<std::int32_t>::max());
        ++digits;
    }
    if (digits == 0 || !output.substr(screen.before.size() + digits).starts_with(screen.after)) {
        return 0;
    }
    score = static_cast<std::int32_t>(number);
    return screen.before.size() + digits + screen.after.size();
}

bool ScreenReader::readInto(std::string_view output, Reading& reading) const {
    while (!output.empty()) {
        if (reading.farewell) {
            return false;  // nothing may follow the farewell
        }
        if (output.starts_with(INVALID_CHOICE_MESSAGE)) {
            ++reading.complaints;
            output.remove_prefix(INVALID_CHOICE_MESSAGE.size());
            continue;
        }
        if (output.starts_with(FAREWELL_PROMPT)) {
            reading.farewell = true;
            output.remove_prefix(FAREWELL_PROMPT.size());
            continue;
        }
        // The longest screen that fits wins, so a screen that begins another cannot mislead.
        std::size_t best = 0;
        const Screen* bestScreen = nullptr;
        std::int32_t bestScore = 0;
        for (const Screen& screen : screensByFirstByte_[static_cast<unsigned char>(output.front())]) {
            std::int32_t score = 0;
            const std::size_t length = lengthAt(screen, output, score);
            if (length > best) {
                best = length;
                bestScreen = &screen;
                bestScore = score;
            }
        }
        if (bestScreen == nullptr) {
            return false;
        }
        reading.shown.push_back(bestScreen->scene);
        if (bestScreen->showsScore) {
            reading.scoresShown.push_back(bestScore);
        }
        output.remove_prefix(best);
    }
    return true;
}

std::optional<Reading> readOutput(const CheckedTable& table, std::string_view output) {
    Reading reading;
    if (!ScreenReader{table}.readInto(output, reading)) {
        return std::nullopt;
    }
    return reading;
}

}  // namespace grimstep::testing
