// CSV records as spreadsheets write them: quoted fields, doubled quotes,
// line breaks inside quotes, CR LF or LF.
#include "core/files/csvreader.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

TEST(CsvReader, ReadsQuotedFieldsAndCountsTheirLines)
{
    netquill::CsvReader reader("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x\n\nlast", ',');
    EXPECT_EQ(reader.next(), (Fields{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(reader.line(), 1);
    EXPECT_EQ(reader.next(), (Fields{"two\nlines", "x"}));
    EXPECT_EQ(reader.line(), 2);
    EXPECT_EQ(reader.next(), Fields{""});
    EXPECT_EQ(reader.next(), Fields{"last"});
    EXPECT_EQ(reader.line(), 5);
    EXPECT_EQ(reader.next(), std::nullopt);
}

TEST(CsvReader, RefusesAQuoteThatDoesNotEnd)
{
    netquill::CsvReader reader("a\n\"open,b\n", ',');
    reader.next();
    try {
        reader.next();
        FAIL() << "an open quote was read";
    } catch (const netquill::Refusal &refusal) {
        EXPECT_EQ(refusal.text(), "line 2: has a quoted field that does not end");
    }
}

TEST(CsvReader, TakesASemicolonOnlyWhereTheHeaderHasNoComma)
{
    EXPECT_EQ(netquill::csvDelimiterOf("Section;Subnet;Description\n1,2"), ';');
    EXPECT_EQ(netquill::csvDelimiterOf("prefix,description\n"), ',');
    EXPECT_EQ(netquill::csvDelimiterOf("prefix"), ',');
}

}  // namespace
