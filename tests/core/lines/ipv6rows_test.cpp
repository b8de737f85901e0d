// The rows of an IPv6 split in every format: counts exact past 2^64, and a
// JSON string past 2^53.
#include "core/lines/ipv6rows.h"

#include <gtest/gtest.h>

namespace {

using netquill::Ipv6Address;
using netquill::Ipv6Block;
using netquill::RowFormat;
using netquill::Uint128;

const Ipv6Block kSmall{Ipv6Address((Uint128{0x20010DB8} << 96) | 4), 126};  // 2001:db8::4/126
const Ipv6Block kHalf{Ipv6Address(Uint128{1} << 127), 1};                   // 8000::/1

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
    EXPECT_EQ(rowText(kSmall, RowFormat::JSONL),
              "{\"network\":\"2001:db8::4/126\",\"prefix_length\":126,\"first_address\":\"2001:db8::4\","
              "\"last_address\":\"2001:db8::7\",\"address_count\":4}\n");
    EXPECT_EQ(
        rowText(kHalf, RowFormat::JSONL),  // 2^127
        "{\"network\":\"8000::/1\",\"prefix_length\":1,\"first_address\":\"8000::\",\"last_address\":"
        "\"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff\",\"address_count\":\"170141183460469231731687303715884105728\"}\n");
    EXPECT_TRUE(rowText(Ipv6Block{Ipv6Address(), 75}, RowFormat::JSONL)  // 2^53, the last exact number
                    .ends_with(",\"address_count\":9007199254740992}\n"));
    EXPECT_TRUE(rowText(Ipv6Block{Ipv6Address(), 74}, RowFormat::JSONL)
                    .ends_with(",\"address_count\":\"18014398509481984\"}\n"));

    const netquill::Ipv6RowRenderer csv(RowFormat::CSV, netquill::LineEnd::CRLF);
    EXPECT_EQ(csv.tableStart(true), "Name,Subnet,Prefix Length,First Address,Last Address,Address Count\r\n");
    std::string named;
    csv.appendNamed(named, "lan, east", kSmall);
    EXPECT_EQ(named, "\"lan, east\",2001:db8::4/126,126,2001:db8::4,2001:db8::7,4\r\n");
}

}  // namespace
