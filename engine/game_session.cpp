#include "engine/game_session.hpp"

#include "engine/line_wrap.hpp"
#include "engine/screen_format.hpp"

#include <cassert>
#include <cstddef>

namespace grimstep {

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
    if (scene->effect == SceneEffect::AwardPoint && !pointCounted_[static_cast<std::size_t>(scene->number)]) {
        pointCounted_[static_cast<std::size_t>(scene->number)] = true;
        ++score_;
    }
    screen_.text.clear();
    appendSceneText(screen_.text, *scene, score_);
}

void GameSession::printScreen() {
    std::array<std::string_view, OPTION_COUNT> labels;
    for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
        labels[i] = screen_.labels[i].view();
    }
    appendScreen(output_, screen_.text.view(), labels);
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
    std::string_view bytes = output_.view();
    if (const std::size_t columns = console_.columns(); columns != Console::UNLIMITED_COLUMNS) {
        wrapped_.clear();
        appendWrapped(wrapped_, bytes, columns);
        bytes = wrapped_.view();
    }
    if (!console_.write(bytes)) {
        outputFailed_ = true;
    }
    output_.clear();
}

}  // namespace grimstep
