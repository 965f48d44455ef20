#include "core/TextField.h"
#include "core/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

// A minimal field with the editing rules of the menu's text field.
class TestField : public ITextField {
public:
    explicit TestField(std::string text, int maxLength = 20) : value(std::move(text)), limit(maxLength) {
        position = static_cast<int>(value.size());
    }
    const std::string& text() const override { return value; }
    int caret() const override { return position; }
    int maximumLength() const override { return limit; }
    void setCaret(int caret) override { position = caret; }
    void eraseBefore() override {
        if (position > 0)
            value.erase(static_cast<std::size_t>(--position), 1);
    }
    void eraseAt() override {
        if (position < static_cast<int>(value.size()))
            value.erase(static_cast<std::size_t>(position), 1);
    }
    void insert(const std::string& text) override {
        if (static_cast<int>(value.size() + text.size()) > limit)
            return;
        value.insert(static_cast<std::size_t>(position), text);
        position += static_cast<int>(text.size());
    }

private:
    std::string value;
    int limit;
    int position = 0;
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { FocusedTextField = nullptr; }
    void TearDown() override { FocusedTextField = nullptr; }
};

TEST_F(InputTest, TypingWithoutFocusChangesNothing) {
    TestField field("abc");
    textEntryCharacter('x');
    textEntryKeyDown(KeyLeft);
    EXPECT_EQ(field.text(), "abc");
    EXPECT_EQ(field.caret(), 3);
}

TEST_F(InputTest, PrintableCharactersInsertAtTheCaret) {
    TestField field("ab");
    FocusedTextField = &field;
    textEntryKeyDown(KeyLeft);
    for (char c : std::string("%' 7Z"))
        textEntryCharacter(static_cast<unsigned char>(c));
    EXPECT_EQ(field.text(), "a%' 7Zb");
    EXPECT_EQ(field.caret(), 6);
}

TEST_F(InputTest, ControlAndHighCharactersAreIgnored) {
    TestField field("ab");
    FocusedTextField = &field;
    for (unsigned int code : {0x01u, 0x0Du, 0x1Bu, 0x7Fu, 0xE9u, 0x100u})
        textEntryCharacter(code);
    EXPECT_EQ(field.text(), "ab");
}

TEST_F(InputTest, BackspaceAndLeftDoNothingAtTheStart) {
    TestField field("ab");
    FocusedTextField = &field;
    field.setCaret(0);
    textEntryCharacter(KeyBackspace);
    textEntryKeyDown(KeyLeft);
    EXPECT_EQ(field.text(), "ab");
    EXPECT_EQ(field.caret(), 0);
}

TEST_F(InputTest, DeleteAndRightDoNothingAtTheEnd) {
    TestField field("ab");
    FocusedTextField = &field;
    textEntryKeyDown(KeyDelete);
    textEntryKeyDown(KeyRight);
    EXPECT_EQ(field.text(), "ab");
    EXPECT_EQ(field.caret(), 2);
}

TEST_F(InputTest, BackspaceErasesBeforeAndDeleteErasesAtTheCaret) {
    TestField field("abcd");
    FocusedTextField = &field;
    textEntryKeyDown(KeyLeft);
    textEntryCharacter(KeyBackspace); // erases 'c'
    EXPECT_EQ(field.text(), "abd");
    EXPECT_EQ(field.caret(), 2);
    textEntryKeyDown(KeyDelete); // erases 'd'
    EXPECT_EQ(field.text(), "ab");
    EXPECT_EQ(field.caret(), 2);
}

TEST_F(InputTest, FullFieldDropsFurtherCharacters) {
    TestField field("12345678901234567890", 20);
    FocusedTextField = &field;
    textEntryCharacter('x');
    EXPECT_EQ(field.text(), "12345678901234567890");
    textEntryCharacter(KeyBackspace);
    textEntryCharacter('x');
    EXPECT_EQ(field.text(), "1234567890123456789x");
}

} // namespace
