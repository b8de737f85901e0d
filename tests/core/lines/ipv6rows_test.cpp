// The rows of an IPv6 split in every format: a count a JSON string whatever
// its value, the text file's columns lined up. (Named rows are the one
// writer's, tested with the IPv4 rows.)
#include "core/lines/ipv6rows.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv6Address;
using netquill::Ipv6Block;
using netquill::RowFormat;
using netquill::Uint128;

const Ipv6Block kSmall{Ipv6Address((Uint128{0x20010DB8} << 96) | 4), 126};  // 2001:db8::4/126

std::string rowText(const Ipv6Block &row, RowFormat format)
{
    std::string line;
    netquill::Ipv6RowRenderer(format, netquill::LineEnd::LF).append(line, row);
    return line;
}

TEST(Ipv6RowRenderer, WritesEachFormatsLine)
{
    EXPECT_EQ(rowText(kSmall, RowFormat::CSV), "2001:db8::4/126,126,2001:db8::4,2001:db8::7,4\n");
    EXPECT_EQ(rowText(kSmall, RowFormat::TSV), "2001:db8::4/126\t126\t2001:db8::4\t2001:db8::7\t4\n");
    EXPECT_EQ(rowText(kSmall, RowFormat::HTML),
              "<tr><td>2001:db8::4/126</td><td align=\"center\">126</td><td>2001:db8::4</td><td>2001:db8::7</td>"
              "<td align=\"center\">4</td></tr>\n");
    EXPECT_EQ(rowText(kSmall, RowFormat::TXT), "2001:db8::4/126" + std::string(30, ' ') + "126" + std::string(12, ' ') +
                                                   "2001:db8::4" + std::string(30, ' ') + "2001:db8::7" +
                                                   std::string(30, ' ') + "4\n");
    EXPECT_EQ(rowText(kSmall, RowFormat::JSONL),
              "{\"network\":\"2001:db8::4\",\"prefix_length\":126,\"first_address\":\"2001:db8::4\","
              "\"last_address\":\"2001:db8::7\",\"address_count\":\"4\"}\n");
}

}  // namespace
