#include "tests/support/session_check.hpp"

#include "engine/console.hpp"
#include "engine/game_session.hpp"

#include <algorithm>
#include <stdexcept>

namespace grimstep::testing {
namespace {

/// Thrown out of the session to stop one that breaks a promise and might otherwise never end.
struct RunawaySession : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// Feeds the input and reads every write back at once: a pipe's reader sees each write whole.
class CheckingConsole final : public Console {
public:
    CheckingConsole(const ScreenReader& reader, std::string_view input) : reader_(reader), input_(input) {
        for (const Scene& scene : reader.table().scenes()) {
            pointScenes_ += scene.effect == SceneEffect::AwardPoint ? 1 : 0;
        }
    }

    void watch(const GameSession& session) { session_ = &session; }

    bool write(std::string_view bytes) override {
        // Each pass writes once, before it reads; the farewell is one write more.
        if (++writes_ > input_.size() + 2) {
            throw RunawaySession("more passes than input bytes plus one");
        }
        if (session_ != nullptr) {
            const std::int32_t score = session_->score();
            report.highestScore = std::max(report.highestScore, score);
            if (score < 0 || score > pointScenes_) {
                fail("the score is " + std::to_string(score) + ", outside 0 to " + std::to_string(pointScenes_));
            }
        }
        const std::size_t screensBefore = report.reading.shown.size();
        if (!reader_.readInto(bytes, report.reading)) {
            fail("a write is not made of whole screens, complaints and a closing farewell");
        }
        report.passes += report.reading.shown.size() - screensBefore;
        return true;
    }

    int readByte() override {
        if (taken_ == input_.size()) {
            if (++readsAfterEnd_ > 1) {
                throw RunawaySession("reads on after the input ended");
            }
            return END_OF_INPUT;
        }
        return static_cast<unsigned char>(input_[taken_++]);
    }

    void waitForKey() override { ++keyWaits; }

    std::size_t columns() override { return UNLIMITED_COLUMNS; }

    [[nodiscard]] std::int32_t pointScenes() const { return pointScenes_; }

    void fail(const std::string& fault) {
        if (report.fault.empty()) {
            report.fault = fault;
        }
    }

    SessionReport report;
    int keyWaits = 0;

private:
    const ScreenReader& reader_;
    std::string_view input_;
    const GameSession* session_ = nullptr;
    std::int32_t pointScenes_ = 0;
    std::size_t taken_ = 0;
    std::size_t writes_ = 0;
    int readsAfterEnd_ = 0;
};

}  // namespace

SessionReport checkSession(const ScreenReader& reader, std::string_view input) {
    CheckingConsole console{reader, input};
    GameSession session{reader.table(), console};
    console.watch(session);
    int status = -1;
    try {
        status = session.run();
    } catch (const RunawaySession& runaway) {
        console.fail(runaway.what());
        return console.report;
    }
    if (status != 0) {
        console.fail("the session ended with status " + std::to_string(status) + " though every write worked");
    }
    if (!console.report.reading.farewell || console.keyWaits != 1) {
        console.fail("the session did not end with the farewell and one wait for a key");
    }
    if (console.report.passes > input.size() + 1) {
        console.fail("more passes than input bytes plus one");
    }
    for (const std::int32_t shown : console.report.reading.scoresShown) {
        if (shown > console.pointScenes()) {
            console.fail("the credits show a score of " + std::to_string(shown));
        }
    }
    return console.report;
}

}  // namespace grimstep::testing
