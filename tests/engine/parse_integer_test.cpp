#include "engine/errors.h"
#include "engine/parse_integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using engine::EConvertError;
using engine::ParseInteger;

TEST(ParseInteger, AcceptsDecimalAndHexForms) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"7", 7},
        {" 7", 7},
        {"   7", 7},
        {"+7", 7},
        {"-3", -3},
        {"007", 7},
        {"$A", 10},
        {"$a", 10},
        {"$b", 11},
        {"0", 0},
        {"-0", 0},
        {"$0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"$7fffffff", INT32_MAX},
        {"0000000000002147483647", INT32_MAX},
        {" $10", 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << "text: '" << c.text << "'";
}

TEST(ParseInteger, RejectsEverythingElse) {
    const char* rejected[] = {
        "",     " ",     "7 ",  "\t7",         "-$A",         "$",
        "0x10", "1e3",   "1.0", "+-1",         "--1",         "+",
        "-",    "1,000", "abc", "2147483648",  "-2147483649", "$100000000",
        "$G",   "$ 1",   "7a",  "99999999999",
    };
    for (const char* text : rejected)
        EXPECT_THROW(ParseInteger(text), EConvertError) << "text: '" << text << "'";
}

// Right at the edges of 32 bits, where a conversion that lets the value wrap would accept
// a number it cannot hold (4294967296 is 0 after wrapping, 4294967297 is 1, $100000000 is 0).
TEST(ParseInteger, HoldsExactlyThirtyTwoBitsAndNeverWraps) {
    const struct {
        const char* text;
        std::int32_t value;
    } accepted[] = {
        {"2147483646", INT32_MAX - 1},
        {"+2147483647", INT32_MAX},
        {"-2147483647", -INT32_MAX},
        {"-000000000000000000001", -1},
        {"-0000000002147483648", INT32_MIN},
        {"214748364", 214748364},
        {"2147483640", 2147483640},
        {"$0FFFFFFFF", -1},
        {"$000000000000000001", 1},
        {"$FFFFFFF", 0x0FFFFFFF},
        {"$10000000", 0x10000000},
        {"$FFFFFFFE", -2},
        {"$7FFFFFFF", INT32_MAX},
        {"$80000001", INT32_MIN + 1},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(ParseInteger(c.text), c.value) << "text: '" << c.text << "'";

    const char* rejected[] = {
        "4294967296", "4294967297",           "4294967295",         "-4294967296", "-4294967297",
        "8589934592", "2147483649",           "-2147483650",        "+2147483648", "21474836470",
        "2147483650", "18446744073709551616", "$100000000",         "$100000001",  "$1FFFFFFFF",
        "$FFFFFFFF0", "$0100000000",          "$10000000000000000",
    };
    for (const char* text : rejected)
        EXPECT_THROW(ParseInteger(text), EConvertError) << "text: '" << text << "'";
}

TEST(ParseInteger, MessageQuotesTheWholeTextAsEntered) {
    const auto messageFor = [](const std::string& text) {
        try {
            ParseInteger(text);
        } catch (const EConvertError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageFor("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(messageFor(""), "'' is not a valid integer value");
    EXPECT_EQ(messageFor(" 7 "), "' 7 ' is not a valid integer value");
}
