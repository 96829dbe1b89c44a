// Chapters are written apart, one file each, and joined here into one array in story order.
#pragma once

#include "story/chapters.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

namespace grimstep::story {

/// How many scenes the chapters hold together.
template <std::size_t N>
consteval std::size_t sceneCountOf(const std::array<Chapter, N>& chapters) {
    std::size_t count = 0;
    for (const Chapter& chapter : chapters) {
        count += chapter.scenes.size();
    }
    return count;
}

/// The chapters' scenes in one array, chapter after chapter. SceneCount is sceneCountOf(chapters).
template <std::size_t SceneCount, std::size_t N>
consteval std::array<Scene, SceneCount> joinChapters(const std::array<Chapter, N>& chapters) {
    std::array<Scene, SceneCount> scenes{};
    auto out = scenes.begin();
    for (const Chapter& chapter : chapters) {
        out = std::copy(chapter.scenes.begin(), chapter.scenes.end(), out);
    }
    return scenes;
}

}  // namespace grimstep::story
