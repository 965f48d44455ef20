#include "core/Input.h"
#include "core/TextField.h"
#include "core/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

// A field that moves its caret as told and records every other request, so each case sees the
// text-entry rules alone.
class TestField : public ITextField {
public:
    TestField(std::string text, int caret) : value(std::move(text)), position(caret) {}
    const std::string& text() const override { return value; }
    int caret() const override { return position; }
    int maximumLength() const override { return 20; }
    void setCaret(int caret) override { position = caret; }
    void eraseBefore() override { asked += "<erase before>"; }
    void eraseAt() override { asked += "<erase at>"; }
    void insert(const std::string& text) override { asked += text; }

    std::string asked;

private:
    std::string value;
    int position;
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { FocusedTextField = nullptr; }
    void TearDown() override { FocusedTextField = nullptr; }
};

TEST_F(InputTest, OnlyTheFocusedFieldTakesPrintableCharactersAndNotControlOrHighOnes) {
    TestField field("ab", 2);
    textEntryCharacter('x');
    textEntryCharacter(KeyBackspace);
    textEntryKeyDown(KeyLeft);
    EXPECT_EQ(field.asked, "") << "typing without focus changes nothing";
    EXPECT_EQ(field.caret(), 2);

    FocusedTextField = &field;
    const unsigned int codes[] = {'%', 0x01, '\'', 0x0D, ' ', 0x1B, '7', 0x7F, 'Z', 0xE9, 0x100};
    for (unsigned int code : codes)
        textEntryCharacter(code);
    EXPECT_EQ(field.asked, "%' 7Z");
}

TEST(WheelTravelTest, WholeNotchesAreTakenOnceAndPartsWaitForTheRest) {
    takeWheelNotches();
    addWheelTravel(WheelNotch);
    addWheelTravel(WheelNotch);
    EXPECT_EQ(takeWheelNotches(), 2);
    EXPECT_EQ(takeWheelNotches(), 0);
    addWheelTravel(-WheelNotch);
    EXPECT_EQ(takeWheelNotches(), -1);
    addWheelTravel(WheelNotch / 2);
    EXPECT_EQ(takeWheelNotches(), 0);
    addWheelTravel(WheelNotch / 2);
    EXPECT_EQ(takeWheelNotches(), 1);
}

} // namespace
