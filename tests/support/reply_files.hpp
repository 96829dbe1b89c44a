// The scripted play-throughs in tests/replies, which every platform's runner replays.
#pragma once

#include <string>
#include <vector>

namespace grimstep::testing {

/// The names of the files of replies, sorted, without their folder.
std::vector<std::string> replyFileNames();

/// The bytes of one file of replies, exactly as a player types them.
std::string repliesIn(const std::string& name);

}  // namespace grimstep::testing
