// Writes the story's screens, ready-made, as a C header for the reference loop: each scene's
// screen exactly as the game prints it, preceded by the invalid-choice message so that either
// way it leaves in one write. The score scene's "%d" is left out and its place recorded.
// Usage: grimstep_export_screens OUTPUT.h (a file name that starts with "-" is taken for an option)
#include "engine/game_session.hpp"
#include "engine/scene.hpp"
#include "engine/screen_format.hpp"
#include "story/story.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using grimstep::Scene;
using grimstep::SceneEffect;

/// The screen without the score, and where the score goes in it.
std::string screenOf(const Scene& scene, std::size_t& scoreAt) {
    std::string text(scene.text);
    scoreAt = std::string::npos;
    if (scene.effect == SceneEffect::ShowScore) {
        scoreAt = text.find(grimstep::SCORE_PLACEHOLDER);
        text.erase(scoreAt, grimstep::SCORE_PLACEHOLDER.size());
    }
    std::string screen;
    grimstep::appendScreen(screen, text, grimstep::labelsOf(scene));
    return screen;
}

void writeBytes(std::ostream& out, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << static_cast<int>(static_cast<unsigned char>(bytes[i])) << (i % 24 == 23 ? ",\n" : ",");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view usage = "usage: grimstep_export_screens OUTPUT.h\n";
    const std::string_view path = argc == 2 ? argv[1] : "";
    if (path == "--help" || path == "-h") {
        std::fwrite(usage.data(), 1, usage.size(), stdout);
        return 0;
    }
    if (path.empty() || path.starts_with('-')) {  // no option is a file name
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        return 2;
    }
    const auto scenes = grimstep::story::storyTable().scenes();
    std::string bytes;
    std::ofstream out(argv[1]);
    if (!out) {
        std::fprintf(stderr, "grimstep_export_screens: cannot write %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    out << "/* The story's screens for the reference loop, made by grimstep_export_screens: do not edit. */\n"
        << "#define SCENE_COUNT " << scenes.size() << "\n"
        << "#define END_THRESHOLD " << grimstep::END_THRESHOLD << "\n"
        << "#define COMPLAINT_LENGTH " << grimstep::INVALID_CHOICE_MESSAGE.size() << "\n"
        << "#define FAREWELL_LENGTH " << grimstep::FAREWELL_PROMPT.size() << "\n\n"
        << "/** One scene: where its complaint and screen stand in SCREEN_BYTES, and what it does. */\n"
        << "struct ReferenceScene {\n"
        << "    unsigned offset;   /**< of the complaint; the screen follows it */\n"
        << "    unsigned length;   /**< of the complaint and the screen together */\n"
        << "    int scoreAt;       /**< where the score goes in the screen, or -1 */\n"
        << "    int awardsPoint;\n"
        << "    int targets[3];\n"
        << "};\n\n"
        << "static const struct ReferenceScene SCENES[SCENE_COUNT + 1] = {\n"
        << "    {0, 0, -1, 0, {0, 0, 0}},  /* no scene 0 */\n";
    for (const Scene& scene : scenes) {
        std::size_t scoreAt = 0;
        const std::string screen = std::string(grimstep::INVALID_CHOICE_MESSAGE) + screenOf(scene, scoreAt);
        out << "    {" << bytes.size() << ", " << screen.size() << ", "
            << (scoreAt == std::string::npos ? -1 : static_cast<long>(scoreAt)) << ", "
            << (scene.effect == SceneEffect::AwardPoint ? 1 : 0) << ", {" << scene.options[0].target << ", "
            << scene.options[1].target << ", " << scene.options[2].target << "}},\n";
        bytes += screen;
    }
    out << "};\n\nstatic const unsigned char FAREWELL[FAREWELL_LENGTH] = {\n";
    writeBytes(out, std::string(grimstep::FAREWELL_PROMPT));
    out << "};\n\nstatic const unsigned char SCREEN_BYTES[" << bytes.size() << "] = {\n";
    writeBytes(out, bytes);
    out << "};\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "grimstep_export_screens: writing %s failed\n", argv[1]);
        return 1;
    }
    return 0;
}
