#include "ui/boxes/line_breaks.h"
#include "ui/boxes/string_table.h"

#include "engine/errors.h"
#include "engine/parse_integer.h"

#include <gtest/gtest.h>

using ui::LoadStr;
using ui::ParseStringTable;
using ui::WithLineFeeds;

TEST(StringTable, HoldsTheBoxTexts) {
    EXPECT_EQ(LoadStr(65381), "Information");
    EXPECT_EQ(LoadStr(65385), "OK");
    EXPECT_EQ(LoadStr(65386), "Cancel");
    EXPECT_EQ(LoadStr(65520), "'%s' is not a valid integer value");
    EXPECT_TRUE(LoadStr(65382).isNull());
    EXPECT_TRUE(LoadStr(0).isNull());
    EXPECT_TRUE(LoadStr(-1).isNull());
}

TEST(StringTable, ConversionMessageAgreesWithTheConversion) {
    for (const char* entry : {"abc", "", " 7 ", "1e3"}) {
        std::string raised;
        try {
            engine::ParseInteger(entry);
        } catch (const engine::EConvertError& e) {
            raised = e.what();
        }
        const QString expected = LoadStr(ui::sInvalidInteger).replace("%s", entry);
        EXPECT_EQ(QString::fromStdString(raised), expected) << "entry '" << entry << "'";
    }
}

TEST(StringTable, ParserKeepsTextsExactlyAndSkipsDamagedLines) {
    const QHash<int, QString> table = ParseStringTable(u"# comment\r\n"
                                                       "\n"
                                                       "1\t  blanks kept  \r\n"
                                                       "2\ttab\tinside\n"
                                                       "3\t\n"
                                                       "x\tnot a number\n"
                                                       "no tab at all\n"
                                                       "1\tsecond one\n"
                                                       "\t\n"
                                                       "-4\tnegative");
    EXPECT_EQ(table.size(), 4);
    EXPECT_EQ(table.value(1), "  blanks kept  ");
    EXPECT_EQ(table.value(2), "tab\tinside");
    EXPECT_TRUE(table.contains(3));
    EXPECT_EQ(table.value(3), "");
    EXPECT_EQ(table.value(-4), "negative");
    EXPECT_TRUE(ParseStringTable(u"").isEmpty());
}

TEST(LineBreaks, EveryKindOfBreakBecomesOneLineFeed) {
    EXPECT_EQ(WithLineFeeds("Thank You for playing \rVandolin.\rBye...  "),
              "Thank You for playing \nVandolin.\nBye...  ");
    EXPECT_EQ(WithLineFeeds("a\r\nb"), "a\nb");
    EXPECT_EQ(WithLineFeeds("a\nb"), "a\nb");
    EXPECT_EQ(WithLineFeeds("a\r\rb"), "a\n\nb");
    EXPECT_EQ(WithLineFeeds("a\n\rb"), "a\n\nb");
    EXPECT_EQ(WithLineFeeds("end\r"), "end\n");
    EXPECT_EQ(WithLineFeeds(""), "");
}
