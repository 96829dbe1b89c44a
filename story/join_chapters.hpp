// Chapters are written apart, one file each, and joined here into one array in story order.
#pragma once

#include "engine/scene.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

namespace grimstep::story {

template <std::size_t... N>
consteval auto joinChapters(const Scene (&... chapters)[N]) {
    std::array<Scene, (N + ...)> scenes{};
    auto out = scenes.begin();
    ((out = std::copy(std::begin(chapters), std::end(chapters), out)), ...);
    return scenes;
}

}  // namespace grimstep::story
