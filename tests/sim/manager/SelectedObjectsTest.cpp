#include "sim/manager/SelectedObjects.h"

#include "sim/objects/Fighter.h"
#include "support/SimulationTest.h"

namespace {

class SelectedObjectsTest : public SimulationTest {
protected:
    std::shared_ptr<Fighter> marine(bool dead = false) {
        auto made = std::make_shared<Fighter>(WorldObjectData{TypeMarine, 1, 0.0, 0.0, nullptr});
        if (dead)
            made->takeDamage(60);
        return made;
    }
};

TEST_F(SelectedObjectsTest, AFullListMakesRoomOnlyByDroppingTheDead) {
    SelectedObjects list(2);
    auto alive = marine();
    ASSERT_TRUE(list.add(alive));
    ASSERT_TRUE(list.add(marine(true)));
    EXPECT_TRUE(list.add(marine()));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_FALSE(list.add(marine()));
    EXPECT_FALSE(list.add(nullptr));
}

TEST_F(SelectedObjectsTest, DeadEntriesReadAsNullAndAreDropped) {
    SelectedObjects list(5);
    for (bool dead : {true, false, false, true, false})
        list.add(marine(dead));
    EXPECT_EQ(list.get(5), nullptr);
    EXPECT_EQ(list.size(), 5u);
    EXPECT_EQ(list.get(3), nullptr);
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list.takeFirst(), nullptr);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_NE(list.takeFirst(), nullptr);
    EXPECT_EQ(list.removeDead(), 0);
    EXPECT_TRUE(list.removeAt(1));
    EXPECT_FALSE(list.removeAt(1));
    EXPECT_EQ(list.size(), 1u);
    SelectedObjects empty(1);
    EXPECT_EQ(empty.takeFirst(), nullptr);
}

} // namespace
