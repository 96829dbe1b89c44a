#include "tools/story_map/story_map.hpp"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

namespace grimstep::map {
namespace {

constexpr std::size_t CAPTION_LENGTH = 28;  ///< characters of text under a scene's number
constexpr std::string_view BLANKS = " \t\n";

constexpr std::string_view LEGEND =
    "GRIMSTEP story map. Edges carry the option numbers that take them; dashed: blank options only. "
    "Blank options that stay on their scene are not drawn.";

/// Text made safe inside a DOT string in double quotes; line breaks become DOT's "\n".
std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '\n') {
            result += "\\n";
            continue;
        }
        if (c == '"' || c == '\\') {
            result += '\\';
        }
        result += c;
    }
    return result + '"';
}

/// A line of a picture: aligned with runs of spaces, or drawn without a single letter or digit.
bool isPictureLine(std::string_view line) {
    const bool aligned = line.find("   ") != std::string_view::npos;
    const bool strokesOnly =
        line.find_first_not_of(BLANKS) != std::string_view::npos &&
        std::ranges::none_of(line, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    return aligned || strokesOnly;
}

// Appended rather than `"s" + std::to_string(...)`, which g++ 12 misreads as an overlapping copy.
std::string nodeName(std::int32_t scene) { return std::string("s").append(std::to_string(scene)); }
std::string endName(std::int32_t value) { return std::string("end").append(std::to_string(value)); }

/// The options of one scene that lead to the same place, which one edge stands for.
struct Way {
    std::int32_t target = 0;
    std::string options;    ///< their numbers, e.g. "2, 3"
    bool blankOnly = true;  ///< none of them has a label
};

std::vector<Way> waysOutOf(const Scene& scene) {
    std::vector<Way> ways;
    for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
        const SceneOption& option = scene.options[i];
        auto way = std::ranges::find(ways, option.target, &Way::target);
        if (way == ways.end()) {
            way = ways.insert(ways.end(), Way{option.target, "", true});
        } else {
            way->options += ", ";
        }
        way->options += std::to_string(i + 1);
        way->blankOnly = way->blankOnly && option.label.empty();
    }
    // Choosing a blank option that stays put only shows the same screen again: folded away.
    std::erase_if(ways, [&scene](const Way& way) { return way.target == scene.number && way.blankOnly; });
    return ways;
}

void writeScene(const Scene& scene, std::string_view indent, std::ostream& out) {
    std::string caption = std::to_string(scene.number) + "\n" + sceneCaption(scene.text);
    std::string marks;
    if (scene.number == FIRST_SCENE) {
        marks = ", peripheries=2";
    }
    if (scene.effect == SceneEffect::AwardPoint) {
        caption += "\n+1 point";
        marks += ", fillcolor=gold";
    } else if (scene.effect == SceneEffect::ShowScore) {
        caption += "\nshows the score";
        marks += ", fillcolor=lightskyblue";
    }
    out << indent << nodeName(scene.number) << " [label=" << quoted(caption) << marks << "];\n";
}

std::string endCaption(std::int32_t value) {
    const std::string number = std::to_string(value);
    if (value == END_QUIT) {
        return number + "\nquit";
    }
    if (value == END_FINAL) {
        return number + "\nthe end";
    }
    return number + "\nends the game";
}

/// Which chapter a scene belongs to, if any.
class Chapters {
public:
    explicit Chapters(std::span<const Chapter> chapters) : chapters_(chapters) {}

    [[nodiscard]] std::span<const Chapter> all() const { return chapters_; }

    /// The chapter's place in the list, or the list's size for a scene outside them all.
    [[nodiscard]] std::size_t indexOf(std::int32_t scene) const {
        const auto chapter = std::ranges::find_if(
            chapters_, [scene](const Chapter& each) { return scene >= each.firstScene && scene <= each.lastScene; });
        return static_cast<std::size_t>(chapter - chapters_.begin());
    }

private:
    std::span<const Chapter> chapters_;
};

/// Every scene as a node, chapter by chapter in clusters, then those outside every chapter.
void writeScenes(const SceneTable& table, const Chapters& chapters, std::ostream& out) {
    for (std::size_t i = 0; i <= chapters.all().size(); ++i) {
        const bool cluster = i < chapters.all().size();
        if (cluster) {
            out << "\n    subgraph cluster_chapter" << i + 1 << " {\n"
                << "        label=" << quoted(chapters.all()[i].title) << ";\n"
                << "        style=\"rounded,filled\"; fillcolor=gray96; color=gray70;\n";
        } else {
            out << '\n';
        }
        for (const Scene& scene : table.scenes()) {
            if (chapters.indexOf(scene.number) == i) {
                writeScene(scene, cluster ? "        " : "    ", out);
            }
        }
        if (cluster) {
            out << "    }\n";
        }
    }
}

/// One node for each target that names no scene: each ends the game.
void writeEnds(const SceneTable& table, std::ostream& out) {
    std::vector<std::int32_t> ends;
    for (const Scene& scene : table.scenes()) {
        for (const SceneOption& option : scene.options) {
            if (table.find(option.target) == nullptr && std::ranges::find(ends, option.target) == ends.end()) {
                ends.push_back(option.target);
            }
        }
    }
    std::ranges::sort(ends);
    for (const std::int32_t value : ends) {
        out << "    " << endName(value) << " [label=" << quoted(endCaption(value))
            << ", shape=doubleoctagon, fillcolor=lightpink];\n";
    }
}

void writeEdges(const SceneTable& table, const Chapters& chapters, std::ostream& out) {
    out << '\n';
    for (const Scene& scene : table.scenes()) {
        for (const Way& way : waysOutOf(scene)) {
            const bool toScene = table.find(way.target) != nullptr;
            // Only ways within a chapter set the layout, so each chapter is a strip of its own.
            const bool acrossChapters = toScene && chapters.indexOf(way.target) != chapters.indexOf(scene.number);
            out << "    " << nodeName(scene.number) << " -> " << (toScene ? nodeName(way.target) : endName(way.target))
                << " [label=" << quoted(way.options) << (way.blankOnly ? ", style=dashed" : "")
                << (acrossChapters ? ", constraint=false" : "") << "];\n";
        }
    }
}

}  // namespace

std::string sceneCaption(std::string_view text) {
    // The prose is what comes before the first line of the picture, if there is one.
    std::size_t proseEnd = 0;
    while (proseEnd < text.size()) {
        const std::size_t lineEnd = std::min(text.find('\n', proseEnd), text.size());
        if (isPictureLine(text.substr(proseEnd, lineEnd - proseEnd))) {
            break;
        }
        proseEnd = lineEnd + 1;
    }
    const bool picture = proseEnd < text.size();
    const std::string_view prose = text.substr(0, proseEnd);

    std::string words;
    bool more = false;
    for (std::size_t at = prose.find_first_not_of(BLANKS); at != std::string_view::npos && !more;
         at = prose.find_first_not_of(BLANKS, at)) {
        const std::size_t end = std::min(prose.find_first_of(BLANKS, at), prose.size());
        const std::string_view word = prose.substr(at, end - at);
        at = end;
        if (!words.empty() && words.size() + 1 + word.size() > CAPTION_LENGTH) {
            more = true;
            break;
        }
        words += words.empty() ? "" : " ";
        words += word.substr(0, CAPTION_LENGTH);
        more = word.size() > CAPTION_LENGTH;
    }
    if (more) {
        words += "...";
    }
    if (picture) {
        words += words.empty() ? "(picture)" : "\n(picture)";
    }
    return words;
}

void writeStoryMap(const SceneTable& table, std::span<const Chapter> chapters, std::ostream& out) {
    out << "digraph grimstep {\n"
        << "    graph [label=" << quoted(LEGEND) << ", labelloc=t, fontname=\"Helvetica\", fontsize=16,"
        << " rankdir=LR, newrank=true, nodesep=0.2, ranksep=0.3];\n"
        << "    node [shape=box, style=\"rounded,filled\", fillcolor=white, fontname=\"Helvetica\","
        << " fontsize=10];\n"
        << "    edge [fontname=\"Helvetica\", fontsize=9, arrowsize=0.6, color=gray35];\n";
    const Chapters inChapters{chapters};
    writeScenes(table, inChapters, out);
    writeEnds(table, out);
    writeEdges(table, inChapters, out);
    out << "}\n";
}

}  // namespace grimstep::map
