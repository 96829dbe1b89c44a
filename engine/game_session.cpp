#include "engine/game_session.hpp"

#include <cassert>
#include <charconv>
#include <cstddef>

namespace grimstep {
namespace {

constexpr std::int32_t FIRST_SCENE = 1;
constexpr std::array<std::string_view, OPTION_COUNT> OPTION_PREFIXES = {"1. ", "2. ", "3. "};

}  // namespace

int GameSession::run() {
    currentSceneNumber_ = FIRST_SCENE;
    score_ = 0;
    while (currentSceneNumber_ <= END_THRESHOLD) {
        loadScene();
        printScreen();
        if (!readChoice()) {
            break;  // the player's input has ended: as if they quit
        }
        applyChoice();
    }
    if (outputFailed_) {
        return OUTPUT_FAILED;
    }
    sayFarewell();
    return outputFailed_ ? OUTPUT_FAILED : 0;
}

void GameSession::loadScene() {
    // The table check guarantees that every target up to END_THRESHOLD is a scene.
    const Scene* scene = table_.find(currentSceneNumber_);
    assert(scene != nullptr);
    for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
        screen_.labels[i].assign(scene->options[i].label);
        screen_.targets[i] = scene->options[i].target;
    }
    if (scene->number == FIRST_SCENE) {  // every play-through starts here, and from nothing
        score_ = 0;
        pointCounted_ = {};
    }
    switch (scene->effect) {
        case SceneEffect::None:
            screen_.text.assign(scene->text);
            break;
        case SceneEffect::AwardPoint:
            screen_.text.assign(scene->text);
            if (!pointCounted_[static_cast<std::size_t>(scene->number)]) {
                pointCounted_[static_cast<std::size_t>(scene->number)] = true;
                ++score_;
            }
            break;
        case SceneEffect::ShowScore: {
            const std::size_t placeholder = scene->text.find("%d");
            std::array<char, 12> digits{};
            auto* const written = std::to_chars(digits.data(), digits.data() + digits.size(), score_).ptr;
            screen_.text.assign(scene->text.substr(0, placeholder));
            screen_.text.append({digits.data(), written});
            screen_.text.append(scene->text.substr(placeholder + 2));
            break;
        }
    }
}

void GameSession::printScreen() {
    output_.append(screen_.text.view());
    output_.append("\n");
    for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
        output_.append(OPTION_PREFIXES[i]);
        output_.append(screen_.labels[i].view());
        output_.append("\n");
    }
}

bool GameSession::readChoice() {
    flush();  // the whole screen is out before the game waits
    if (outputFailed_) {
        return false;
    }
    const Reply reply = replies_.next();
    if (reply.kind == Reply::Kind::EndOfInput) {
        return false;
    }
    // A reply that is no number counts as no option at all, never as the previous one.
    lastChoice_ = reply.kind == Reply::Kind::Number ? reply.number : 0;
    return true;
}

void GameSession::applyChoice() {
    if (lastChoice_ >= 1 && lastChoice_ <= static_cast<std::int32_t>(OPTION_COUNT)) {
        currentSceneNumber_ = screen_.targets[static_cast<std::size_t>(lastChoice_) - 1];
    } else {
        output_.append(INVALID_CHOICE_MESSAGE);  // leaves together with the same screen again
    }
}

void GameSession::sayFarewell() {
    output_.append(FAREWELL_PROMPT);
    flush();
    if (!outputFailed_) {
        console_.waitForKey();
    }
}

void GameSession::flush() {
    if (!console_.write(output_.view())) {
        outputFailed_ = true;
    }
    output_.clear();
}

}  // namespace grimstep
