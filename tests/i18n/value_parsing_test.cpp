// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/text_decoding.h"
#include "i18n/value_parsing.h"
#include "system/errors.h"

#include <gtest/gtest.h>

namespace brindolo {
namespace {

TEST(StrToInt, ReadsDecimalAndDollarHexadecimalWithin32Bits)
{
    EXPECT_EQ(strToInt("12"), 12);
    EXPECT_EQ(strToInt(" -7"), -7);
    EXPECT_EQ(strToInt("+007"), 7);
    EXPECT_EQ(strToInt("$1F"), 31);
    EXPECT_EQ(strToInt("$1f"), 31);
    EXPECT_EQ(strToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(strToInt("$000000080000000"), INT32_MIN);
    EXPECT_EQ(strToInt("2147483647"), INT32_MAX);
    EXPECT_EQ(strToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RejectsEverythingElseNamingTheText)
{
    for (const char* text : {"", " ", "12px", "12 ", "\t12", "2147483648", "-2147483649", "$100000000", "$", "-",
                             "-$1", "$-1", "0x1F", "1F", "1.0", "99999999999999999999"}) {
        try {
            strToInt(QString::fromLatin1(text));
            ADD_FAILURE() << "converted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_THROW(strToInt(QStringLiteral("١٢")), EConvertError);  // digits of another script
}

TEST(SplitList, ItemsAreTrimmedInnerEmptyOnesKeptAndABlankTailDropped)
{
    EXPECT_EQ(splitList("a, b , ,c", ","), (QStringList{"a", "b", "", "c"}));
    EXPECT_EQ(splitList("a,b,", ","), (QStringList{"a", "b"}));
    EXPECT_EQ(splitList(",", ","), QStringList{""});
    EXPECT_EQ(splitList("  ", ","), QStringList{});
    EXPECT_EQ(splitList(" a;b ", ""), QStringList{"a;b"});
    EXPECT_EQ(splitList(" ", ""), QStringList{});
    EXPECT_EQ(splitList("a<>b<c<>>", "<>"), (QStringList{"a", "b<c", ">"}));
}

TEST(TrimControls, TakesControlCodesButNotOtherBlanks)
{
    EXPECT_EQ(trimControls(QString::fromUtf8("\x01\t a b\r\n ")), "a b");
    EXPECT_EQ(trimControls(QString::fromUtf8("\u00A0a\u00A0")), QString::fromUtf8("\u00A0a\u00A0"));
}

TEST(TextDecoding, Utf8WhenValidOtherwiseWindows1252)
{
    EXPECT_EQ(decodeUtf8Or1252("fran\xC3\xA7" "ais"), QString::fromUtf8("français"));
    EXPECT_EQ(decodeUtf8Or1252("fran\xE7" "ais"), QString::fromUtf8("français"));
    EXPECT_EQ(decodeUtf8Or1252("\x80 \x9C \x81"), QString::fromUtf8("€ œ \u0081"));
    EXPECT_EQ(decodeUtf8Or1252("\xEF\xBB\xBF" "english"), "english");
    // A sequence cut off at the end is not UTF-8.
    EXPECT_EQ(decodeUtf8Or1252("caf\xC3"), QString::fromUtf8("cafÃ"));
}

}  // namespace
}  // namespace brindolo
