// CSV records as spreadsheets write them: quoted fields, doubled quotes,
// line breaks inside quotes, CR LF or LF. (A quote that does not end, and
// the semicolons of phpIPAM's files, are the IPAM import's rows.)
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

}  // namespace
