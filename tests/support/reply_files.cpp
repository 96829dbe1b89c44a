#include "tests/support/reply_files.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace grimstep::testing {
namespace {

const std::filesystem::path FOLDER = GRIMSTEP_REPLIES_DIR;

}  // namespace

std::vector<std::string> replyFileNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FOLDER)) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string repliesIn(const std::string& name) {
    std::ifstream in(FOLDER / name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("no file of replies " + (FOLDER / name).string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace grimstep::testing
