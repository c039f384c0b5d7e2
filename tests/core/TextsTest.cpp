#include "core/Texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextsTest, ValuesGoInPlaceOfTheirNumbersInOnePass)
{
    const struct
    {
        const char *pattern;
        std::string expected;
    } cases[] = {
        {"File \"%1\"already exists.", "File \"a.mzg\"already exists."},
        {"%2 before %1", "b%1 before a.mzg"}, // a value's own %1 stays
        {"100% of %1, %3", "100% of a.mzg, %3"}, // no such value: left as written
        {"ends with %", "ends with %"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatText(c.pattern, {"a.mzg", "b%1"}), c.expected) << c.pattern;
}

TEST(TextsTest, TheInstalledTranslatorSpeaksAndWithoutOneTheEnglishStands)
{
    EXPECT_EQ(TR("Error", "Failed to load game."), "Failed to load game.");
    EXPECT_EQ(TR_N("Records", "%n moves", "in a record", 1), "1 moves");
    std::string asked;
    SetTextTranslator(
        [&](const char *context, const char *text, const char *disambiguation, int count) {
            asked = std::string(context) + "|" + (disambiguation ? disambiguation : "-") + "|"
                + std::to_string(count);
            return "<" + std::string(text) + ">";
        });
    EXPECT_EQ(TR("Error", "Failed to load game."), "<Failed to load game.>");
    EXPECT_EQ(asked, "Error|-|-1");
    EXPECT_EQ(TR_N("Records", "%n moves", "in a record", 3), "<%n moves>");
    EXPECT_EQ(asked, "Records|in a record|3");
    SetTextTranslator({});
    EXPECT_EQ(TR("Error", "Failed to load game."), "Failed to load game.");
}

} // namespace
