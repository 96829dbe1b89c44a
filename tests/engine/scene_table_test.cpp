#include "engine/scene.hpp"
#include "story/story.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace grimstep {
namespace {

TEST(SceneTable, FindsEveryScenesByItsNumber) {
    const SceneTable& table = story::storyTable();
    const auto scenes = table.scenes();
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        const Scene* found = table.find(static_cast<std::int32_t>(i) + 1);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found, &scenes[i]);
        EXPECT_EQ(found->number, static_cast<std::int32_t>(i) + 1);
    }
}

TEST(SceneTable, FindsNothingOutsideTheStory) {
    const SceneTable& table = story::storyTable();
    const auto pastLast = static_cast<std::int32_t>(table.scenes().size()) + 1;
    for (const std::int32_t number :
         {0,
          -1,
          pastLast,
          END_QUIT,
          END_FINAL,
          std::numeric_limits<std::int32_t>::max(),
          std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(table.find(number), nullptr) << number;
    }
}

TEST(SceneTable, FindsNothingWhereTheNumberIsNotInItsPlace) {
    // A table the check would refuse: the lookup still never hands out the wrong scene.
    static constexpr Scene scenes[] = {
        {.number = 1, .text = "one", .options = {{{"Next", 3}, {"", 1}, {"", 1}}}},
        {.number = 3, .text = "three", .options = {{{"Back", 1}, {"", 3}, {"", 3}}}},
    };
    constexpr SceneTable table{scenes};
    EXPECT_EQ(table.find(1), &scenes[0]);
    EXPECT_EQ(table.find(2), nullptr);
    EXPECT_EQ(table.find(3), nullptr);
}

}  // namespace
}  // namespace grimstep
