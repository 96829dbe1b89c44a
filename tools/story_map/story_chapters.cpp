#include "tools/story_map/story_chapters.hpp"

#include "story/chapters.hpp"

#include <array>
#include <cstddef>

namespace grimstep::map {
namespace {

/// The story's chapters with the ranges read off their scenes, so the map follows when scenes are added.
constexpr auto CHAPTERS = [] {
    std::array<Chapter, story::CHAPTERS.size()> chapters{};
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        const story::Chapter& chapter = story::CHAPTERS[i];
        chapters[i] = {chapter.title, chapter.scenes.front().number, chapter.scenes.back().number};
    }
    return chapters;
}();

}  // namespace

std::span<const Chapter> storyChapters() noexcept { return CHAPTERS; }

}  // namespace grimstep::map
