// The story map: its DOT read back and held against the scene table, and Graphviz reading it.
#include "engine/scene.hpp"
#include "story/story.hpp"
#include "tools/story_map/story_chapters.hpp"
#include "tools/story_map/story_map.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace grimstep::map {
namespace {

/// One node of the map as written.
struct Node {
    std::string label;       ///< as in the DOT, escapes and all
    std::string attributes;  ///< what follows the label
    int cluster = 0;         ///< the chapter cluster it stands in, 1-based; 0 outside them all
};

/// One edge of the map as written.
struct Edge {
    std::string options;
    std::string attributes;
};

/// The map as read back from its DOT, line by line.
struct ReadMap {
    std::map<std::string, Node> nodes;
    std::map<std::pair<std::string, std::string>, Edge> edges;
    std::vector<std::string> clusterTitles;
    int duplicates = 0;  ///< nodes or edges written twice
};

ReadMap readMap(const std::string& dot) {
    static const std::regex clusterStart(R"(^\s*subgraph cluster_chapter(\d+) \{$)");
    static const std::regex clusterTitle(R"re(^\s*label="(.*)";$)re");
    static const std::regex node(R"re(^\s*(?!graph )(\w+) \[label="((?:[^"\\]|\\.)*)"(.*)\];$)re");
    static const std::regex edge(R"re(^\s*(\w+) -> (\w+) \[label="([^"]*)"(.*)\];$)re");
    ReadMap map;
    int cluster = 0;
    std::istringstream lines(dot);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, clusterStart)) {
            cluster = std::stoi(match[1]);
        } else if (cluster != 0 && std::regex_match(line, match, clusterTitle)) {
            map.clusterTitles.push_back(match[1]);
        } else if (line == "    }") {
            cluster = 0;
        } else if (std::regex_match(line, match, edge)) {
            map.duplicates += map.edges.contains({match[1], match[2]}) ? 1 : 0;
            map.edges[{match[1], match[2]}] = {match[3], match[4]};
        } else if (std::regex_match(line, match, node)) {
            map.duplicates += map.nodes.contains(match[1]) ? 1 : 0;
            map.nodes[match[1]] = {match[2], match[3], cluster};
        }
    }
    return map;
}

std::string mapOf(const SceneTable& table, std::span<const Chapter> chapters) {
    std::ostringstream out;
    writeStoryMap(table, chapters, out);
    return out.str();
}

std::string sceneNode(std::int32_t number) { return "s" + std::to_string(number); }

/// The edges the table calls for, worked out here on their own: option numbers per (scene, target),
/// and whether all of those options are blank.
std::map<std::pair<std::string, std::string>, std::pair<std::string, bool>> expectedEdges(const SceneTable& table) {
    std::map<std::pair<std::string, std::string>, std::pair<std::string, bool>> edges;
    for (const Scene& scene : table.scenes()) {
        for (std::size_t i = 0; i < OPTION_COUNT; ++i) {
            const SceneOption& option = scene.options[i];
            const std::string to =
                table.find(option.target) != nullptr ? sceneNode(option.target) : "end" + std::to_string(option.target);
            auto [at, fresh] = edges.try_emplace({sceneNode(scene.number), to}, std::to_string(i + 1), true);
            if (!fresh) {
                at->second.first += ", " + std::to_string(i + 1);
            }
            at->second.second = at->second.second && option.label.empty();
        }
    }
    // Blank options that stay on their scene are folded away.
    std::erase_if(edges, [](const auto& edge) {
        const auto& [ends, options] = edge;
        return ends.first == ends.second && options.second;
    });
    return edges;
}

TEST(StoryMap, EverySceneIsOneNodeInItsChaptersCluster) {
    const SceneTable& table = story::storyTable();
    const auto chapters = storyChapters();
    const ReadMap map = readMap(mapOf(table, chapters));

    ASSERT_EQ(chapters.size(), 9U);
    ASSERT_EQ(map.clusterTitles.size(), chapters.size());
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        EXPECT_EQ(map.clusterTitles[i], chapters[i].title) << "clusters in story order";
    }
    EXPECT_EQ(chapters.front().firstScene, 1);
    EXPECT_EQ(chapters.back().lastScene, static_cast<std::int32_t>(table.scenes().size()));
    for (std::size_t i = 1; i < chapters.size(); ++i) {
        EXPECT_EQ(chapters[i].firstScene, chapters[i - 1].lastScene + 1) << "chapters leave no gap";
    }

    EXPECT_EQ(map.duplicates, 0);
    for (const Scene& scene : table.scenes()) {
        const auto node = map.nodes.find(sceneNode(scene.number));
        ASSERT_NE(node, map.nodes.end()) << scene.number;
        EXPECT_TRUE(node->second.label.starts_with(std::to_string(scene.number) + "\\n")) << node->second.label;
        const Chapter& chapter = chapters[static_cast<std::size_t>(node->second.cluster) - 1];
        EXPECT_GE(scene.number, chapter.firstScene);
        EXPECT_LE(scene.number, chapter.lastScene);
    }
}

TEST(StoryMap, NodeAndEdgeCountsFollowTheTable) {
    const SceneTable& table = story::storyTable();
    const ReadMap map = readMap(mapOf(table, storyChapters()));

    std::set<std::int32_t> endValues;
    for (const Scene& scene : table.scenes()) {
        for (const SceneOption& option : scene.options) {
            if (option.target > END_THRESHOLD) {
                endValues.insert(option.target);
            }
        }
    }
    EXPECT_EQ(endValues, (std::set<std::int32_t>{END_QUIT, END_FINAL}));
    EXPECT_EQ(map.nodes.size(), table.scenes().size() + endValues.size());
    for (const std::int32_t value : endValues) {
        EXPECT_TRUE(map.nodes.contains("end" + std::to_string(value))) << value;
    }

    const auto expected = expectedEdges(table);
    EXPECT_EQ(map.edges.size(), expected.size());
    for (const auto& [ends, want] : expected) {
        const auto edge = map.edges.find(ends);
        ASSERT_NE(edge, map.edges.end()) << ends.first << " -> " << ends.second;
        EXPECT_EQ(edge->second.options, want.first) << ends.first << " -> " << ends.second;
        EXPECT_EQ(edge->second.attributes.find("style=dashed") != std::string::npos, want.second)
            << ends.first << " -> " << ends.second << ": dashed exactly when only blank options take it";
    }
}

TEST(StoryMap, BlankOptionsThatStayAreFoldedAndTheRestDrawn) {
    const ReadMap map = readMap(mapOf(story::storyTable(), storyChapters()));
    const auto edge = [&map](const std::string& from, const std::string& to) {
        const auto found = map.edges.find({from, to});
        return found == map.edges.end() ? std::string("(none)") : found->second.options + found->second.attributes;
    };
    EXPECT_EQ(edge("s1", "s1"), "(none)") << "options 2 and 3 of scene 1 are blank and stay";
    EXPECT_EQ(edge("s9", "s10"), "3, style=dashed") << "a blank option that leads on";
    EXPECT_EQ(edge("s112", "s107"), "2, 3, style=dashed, constraint=false");
    EXPECT_EQ(edge("s113", "s113"), "1") << "a labelled option that stays is drawn";
    EXPECT_EQ(edge("s3", "end205"), "3");
    EXPECT_EQ(edge("s109", "end5000"), "3");
    EXPECT_EQ(edge("s31", "s32"), "1, 2");
    EXPECT_EQ(edge("s29", "s113"), "1, constraint=false") << "the hidden route, across chapters";
}

TEST(StoryMap, MarksTheStartTheScoringScenesAndTheCredits) {
    const SceneTable& table = story::storyTable();
    const ReadMap map = readMap(mapOf(table, storyChapters()));
    int scoring = 0;
    for (const Scene& scene : table.scenes()) {
        const Node& node = map.nodes.at(sceneNode(scene.number));
        const bool awards = scene.effect == SceneEffect::AwardPoint;
        const bool shows = scene.effect == SceneEffect::ShowScore;
        scoring += awards ? 1 : 0;
        EXPECT_EQ(node.label.ends_with("\\n+1 point"), awards) << scene.number;
        EXPECT_EQ(node.attributes.find("fillcolor=gold") != std::string::npos, awards) << scene.number;
        EXPECT_EQ(node.label.ends_with("\\nshows the score"), shows) << scene.number;
        EXPECT_EQ(node.attributes.find("fillcolor=lightskyblue") != std::string::npos, shows) << scene.number;
        EXPECT_EQ(node.attributes.find("peripheries=2") != std::string::npos, scene.number == 1) << scene.number;
    }
    EXPECT_EQ(scoring, 5);
    EXPECT_EQ(map.nodes.at("s112").label, "112\\nCredits: Programming and...\\nshows the score");
    EXPECT_EQ(map.nodes.at("end205").label, "205\\nquit");
    EXPECT_EQ(map.nodes.at("end5000").label, "5000\\nthe end");
}

TEST(StoryMap, CaptionsAreTheFirstWordsAndPicturesAreNamed) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"RIGHT!", "RIGHT!"},
        {"You turn the water on and brush your teeth.", "You turn the water on and..."},
        {"Wrong!\nHe sent you to sit down.", "Wrong! He sent you to sit..."},
        {"Rain\tand\n\nmore  rain", "Rain and more rain"},
        {"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "AAAAAAAAAAAAAAAAAAAAAAAAAAAA..."},
        {"\n   /\\_/\\\n  ( o.o )", "(picture)"},
        {"/\\/\\/\\\n|     |", "(picture)"},
        {"And now?!\n  OOOO   OOOO\nbye", "And now?!\n(picture)"},
        {"Look:\n*  *  *", "Look:\n(picture)"},
    };
    for (const auto& [text, caption] : cases) {
        EXPECT_EQ(sceneCaption(text), caption) << text;
    }
}

TEST(StoryMap, QuotesWhatDotWouldMisreadAndDrawsLooseEnds) {
    // A small table: a quote and a backslash in a text, a scene outside every chapter, and a
    // target past the last scene (a chapter not yet written), which ends the game like an end value.
    static constexpr Scene scenes[] = {
        {.number = 1, .text = R"(She said "hi" \o/)", .options = {{{"On", 2}, {"", 1}, {"Later", 150}}}},
        {.number = 2, .text = "Two", .options = {{{"Back", 1}, {"", 2}, {"", 2}}}},
    };
    constexpr SceneTable table{scenes};
    constexpr Chapter firstOnly[] = {{"The \"first\" one", 1, 1}};
    const std::string dot = mapOf(table, firstOnly);
    const ReadMap map = readMap(dot);

    EXPECT_EQ(map.clusterTitles, (std::vector<std::string>{R"(The \"first\" one)"}));
    EXPECT_EQ(map.nodes.at("s1").label, R"(1\nShe said \"hi\" \\o/)");
    EXPECT_EQ(map.nodes.at("s1").cluster, 1);
    EXPECT_EQ(map.nodes.at("s2").cluster, 0) << "outside every chapter, outside every cluster";
    EXPECT_EQ(map.nodes.at("end150").label, "150\\nends the game");
    EXPECT_EQ(map.edges.size(), 3U);
    EXPECT_EQ(map.edges.at({"s1", "end150"}).options, "3");
    EXPECT_TRUE(dot.starts_with("digraph grimstep {\n")) << dot;
    EXPECT_TRUE(dot.ends_with("\n}\n")) << dot;
}

// ---------------------------------------------------------------------------------------------
// The built tool, read by Graphviz

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

TEST(StoryMapTool, GraphvizDrawsEveryNodeAndEdge) {
    if (std::system("command -v dot >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "Graphviz's dot is not installed";
    }
    // Named after this process, so that builds testing side by side keep apart.
    const std::filesystem::path stem =
        std::filesystem::path(::testing::TempDir()) / ("grimstep-story-map-" + std::to_string(getpid()));
    const std::filesystem::path dot = stem.string() + ".dot";
    const std::filesystem::path svg = stem.string() + ".svg";
    const std::filesystem::path errors = stem.string() + ".err";
    ASSERT_EQ(std::system(("\"" GRIMSTEP_MAP_BINARY "\" > \"" + dot.string() + "\"").c_str()), 0);
    EXPECT_EQ(readFile(dot), mapOf(story::storyTable(), storyChapters())) << "the tool prints the map of the story";

    const std::string render =
        "dot -Tsvg \"" + dot.string() + "\" -o \"" + svg.string() + "\" 2> \"" + errors.string() + "\"";
    ASSERT_EQ(std::system(render.c_str()), 0) << readFile(errors);
    const std::string complaints = readFile(errors);
    EXPECT_EQ(complaints.find("Warning"), std::string::npos) << complaints;
    EXPECT_EQ(complaints.find("Error"), std::string::npos) << complaints;

    const ReadMap map = readMap(readFile(dot));
    const std::string drawn = readFile(svg);
    EXPECT_EQ(countOf(drawn, "class=\"node\""), map.nodes.size());
    EXPECT_EQ(countOf(drawn, "class=\"edge\""), map.edges.size());
    EXPECT_EQ(countOf(drawn, "class=\"cluster\""), storyChapters().size());
    for (const auto& file : {dot, svg, errors}) {
        std::filesystem::remove(file);
    }
}

}  // namespace
}  // namespace grimstep::map
