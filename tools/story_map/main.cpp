// grimstep-map: prints the story's scene graph as Graphviz DOT, e.g. `grimstep-map | dot -Tsvg`.
#include "story/story.hpp"
#include "tools/story_map/story_chapters.hpp"
#include "tools/story_map/story_map.hpp"

#include <iostream>

int main() {
    grimstep::map::writeStoryMap(grimstep::story::storyTable(), grimstep::map::storyChapters(), std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;  // a map cut short must not pass for a whole one
}
