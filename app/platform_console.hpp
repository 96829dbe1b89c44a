// The seam between the entry point and the one console of the platform the game is built for:
// the POSIX terminal (posix_console.cpp), the Windows console (windows_console.cpp) or the page
// in a browser (web_console.cpp). The build links exactly one of them.
#pragma once

#include "engine/console.hpp"

namespace grimstep {

/// The console of this platform, made on the first call and kept for the whole run.
[[nodiscard]] Console& platformConsole();

}  // namespace grimstep
