// GRIMSTEP: a rainy Friday in 115 scenes. Arguments are ignored; there is nothing to configure.
#include "app/platform_console.hpp"
#include "engine/game_session.hpp"
#include "story/story.hpp"

int main() {
    grimstep::GameSession session{grimstep::story::storyTable(), grimstep::platformConsole()};
    return session.run();
}
