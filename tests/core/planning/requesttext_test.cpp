// The plan window's requests, one a line, read into prefix lengths.
#include "core/planning/requesttext.h"

#include <gtest/gtest.h>

namespace {

struct RequestLinesCase {
    const char *name;
    const char *text;
    netquill::Family family;
    netquill::HostRule rule;
    // "name /length asked" per request, or the refusal.
    std::vector<std::string> expected;
};

std::vector<std::string> readRequests(const RequestLinesCase &row)
{
    const auto requests = netquill::parseRequestLines(row.text, row.family, row.rule);
    if (!requests)
        return {requests.reason()};
    std::vector<std::string> read;
    for (const auto &request : *requests)
        read.push_back(request.name + " /" + std::to_string(request.length) + " " + request.asked);
    return read;
}

constexpr auto kIpv4 = netquill::Family::Ipv4;
constexpr auto kIpv6 = netquill::Family::Ipv6;

class RequestLines : public testing::TestWithParam<RequestLinesCase>
{
};

TEST_P(RequestLines, ReadAsVlsmReadsItsArguments) { EXPECT_EQ(readRequests(GetParam()), GetParam().expected); }

// 100 hosts need 7 host bits (126), 50 need 6 (62), 2 need 2 (a /30) or a
// /31 under RFC 3021; 256 IPv6 addresses are a /120, 257 a /119.
INSTANTIATE_TEST_SUITE_P(
    Requests, RequestLines,
    testing::Values(
        RequestLinesCase{"HostsByName", "office=100\nlab=50\n", kIpv4, {}, {"office /25 100", "lab /26 50"}},
        RequestLinesCase{"UnnamedByPlace", "2\n\n /28 \r\n", kIpv4, {}, {"1 /30 2", "2 /28 /28"}},
        // AWS keeps 5 addresses of each subnet, which is /16 to /28.
        RequestLinesCase{"AwsHosts",
                         "web=100\nlink=2",
                         kIpv4,
                         netquill::HostRule::inCloud(netquill::CloudProvider::Aws),
                         {"web /25 100", "link /28 2"}},
        RequestLinesCase{"AwsLengthTooSmall",
                         "a=/29",
                         kIpv4,
                         netquill::HostRule::inCloud(netquill::CloudProvider::Aws),
                         {"line 1, '29': AWS subnets are /16 to /28"}},
        RequestLinesCase{"AwsHostsPastASlash16",
                         "a=65532",
                         kIpv4,
                         netquill::HostRule::inCloud(netquill::CloudProvider::Aws),
                         {"line 1, '65532': must be a whole number from 1 to 65531 (AWS subnets are /16 to /28)"}},
        RequestLinesCase{"Rfc3021LinkOfTwo", "link = 2", kIpv4, netquill::HostRule::pointToPoint(), {"link /31 2"}},
        RequestLinesCase{"Ipv6Addresses", "a=256\nb=257\nc=/64", kIpv6, {}, {"a /120 256", "b /119 257", "c /64 /64"}},
        RequestLinesCase{"WholeIpv4Space", "all=4294967294", kIpv4, {}, {"all /0 4294967294"}},
        RequestLinesCase{"WholeIpv6SpaceLessOne",
                         "all=340282366920938463463374607431768211455",
                         kIpv6,
                         {},
                         {"all /0 340282366920938463463374607431768211455"}},
        RequestLinesCase{
            "NoName", "lan=4\n=5", kIpv4, {}, {"line 2, '=5': must be AMOUNT or NAME=AMOUNT with a name before the ="}},
        RequestLinesCase{"NoHosts", "a=0", kIpv4, {}, {"line 1, '0': must be a whole number from 1 to 4294967294"}},
        RequestLinesCase{
            "LengthPastTheFamily", "a=/33", kIpv4, {}, {"line 1, '33': must be a whole number from 0 to 32"}},
        RequestLinesCase{
            "Octal", "a=/064", kIpv6, {}, {"line 1, '064': has a leading zero, which other tools read as octal"}},
        RequestLinesCase{
            "NameTwice", "a=4\n\na=5", kIpv4, {}, {"line 3, 'a=5': names its subnet 'a', as line 1, 'a=4' does"}},
        RequestLinesCase{
            "PlaceNameTaken",
            "2=3\n4",
            kIpv4,
            {},
            {"line 2, '4': names its subnet '2', as line 1, '2=3' does (an unnamed request is named by its "
             "place)"}},
        RequestLinesCase{"FreeIsKept",
                         "(free)=4",
                         kIpv4,
                         {},
                         {"line 1, '(free)=4': the name (free) is kept for the rows of the space left over"}},
        RequestLinesCase{"TabInName",
                         "a\tb=4",
                         kIpv4,
                         {},
                         {"line 1, 'a\tb=4': a name cannot hold a TAB, a line break or another control character"}},
        RequestLinesCase{"NotUtf8", "caf\xe9=4", kIpv4, {}, {"line 1, 'caf\xe9=4': the name is not UTF-8 text"}},
        RequestLinesCase{"Nothing", " \n\n", kIpv4, {}, {"no request is given"}}),
    [](const auto &info) { return info.param.name; });

}  // namespace
