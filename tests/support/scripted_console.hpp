// A console for tests: replies come from a string, output goes to a string.
#pragma once

#include "engine/console.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace grimstep::testing {

class ScriptedConsole final : public Console {
public:
    explicit ScriptedConsole(std::string input) : input_(std::move(input)) {}

    bool write(std::string_view bytes) override {
        ++writes_;
        if (failWrites_) {
            return false;
        }
        output_ += bytes;
        return true;
    }

    int readByte() override {
        ++reads_;
        if (taken_ == input_.size()) {
            ranOut_ = true;
            return END_OF_INPUT;
        }
        return static_cast<unsigned char>(input_[taken_++]);
    }

    void waitForKey() override { ++keyWaits_; }

    std::size_t columns() override { return columns_; }

    /// From now on every write fails, as when standard output is closed.
    void failWrites() { failWrites_ = true; }
    /// From now on the screen is this wide, as a terminal is.
    void setColumns(std::size_t columns) { columns_ = columns; }

    [[nodiscard]] const std::string& output() const { return output_; }
    [[nodiscard]] std::size_t unread() const { return input_.size() - taken_; }
    [[nodiscard]] int writes() const { return writes_; }
    [[nodiscard]] int reads() const { return reads_; }
    [[nodiscard]] int keyWaits() const { return keyWaits_; }
    /// Whether the game asked for more than the script holds.
    [[nodiscard]] bool ranOut() const { return ranOut_; }

private:
    std::string input_;
    std::size_t taken_ = 0;
    std::string output_;
    int writes_ = 0;
    int reads_ = 0;
    int keyWaits_ = 0;
    bool failWrites_ = false;
    std::size_t columns_ = UNLIMITED_COLUMNS;
    bool ranOut_ = false;
};

}  // namespace grimstep::testing
