// GRIMSTEP: a rainy Friday in 115 scenes. Arguments are ignored; there is nothing to configure.
#include "app/terminal_console.hpp"
#include "engine/game_session.hpp"
#include "story/story.hpp"

int main() {
    grimstep::TerminalConsole console;
    grimstep::GameSession session{grimstep::story::storyTable(), console};
    return session.run();
}
