// The fuzz target: one session of the real story on whatever bytes libFuzzer makes up, held to the
// promises to the player. A broken promise aborts, so libFuzzer keeps the input that broke it.
#include "story/story.hpp"
#include "tests/support/session_check.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const grimstep::testing::ScreenReader reader{grimstep::story::storyTable()};
    const std::string_view input{reinterpret_cast<const char*>(data), size};
    const grimstep::testing::SessionReport report = grimstep::testing::checkSession(reader, input);
    if (!report.fault.empty()) {
        std::fprintf(stderr, "broken promise after %zu passes: %s\n", report.passes, report.fault.c_str());
        std::abort();
    }
    return 0;
}
