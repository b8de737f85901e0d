#include "cli/commands.h"

#include "core/productinfo.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using netquill::cli::TextOutput;

struct CliRun {
    int status;
    std::string out;
    std::string errors;
};

CliRun run(std::vector<std::string_view> arguments, const std::string &input = {})
{
    TextOutput out;
    std::istringstream in(input);
    std::ostringstream errors;
    const int status = netquill::cli::runCli(arguments, out, in, errors);
    return {status, out.text(), errors.str()};
}

// ---- What the windows copy, printed ----

TEST(CliConvert, PrintsTheNetquillTabsFiveLines)
{
    const std::string expected = "IP Address : 192.168.1.1\r\nDecimal    : 3232235777\r\nHexadecimal: C0A80101\r\n"
                                 "Octal      : 30052000401\r\nBinary     : 11000000101010000000000100000001\r\n";
    for (const std::vector<std::string_view> &arguments : {std::vector<std::string_view>{"convert", "192.168.1.1"},
                                                           {"convert", "3232235777"},
                                                           {"convert", "0xc0a80101"},
                                                           {"convert", "0o30052000401"},
                                                           {"convert", "0b11000000101010000000000100000001"},
                                                           {"convert", "C0A80101", "--from", "hex"},
                                                           {"convert", "--from=octal", "30052000401"}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments[1];
        EXPECT_EQ(result.out, expected) << arguments[1];
    }
}

TEST(CliCalc, PrintsTheNetworkNodeTabsEightLines)
{
    const std::string expected = "IPAddress        : 192.168.1.10\r\nSubnet Mask      : 255.255.255.0\r\n"
                                 "Subnet Mask Bits : /24\r\n\r\nHost ID          : 0.0.0.10\r\n"
                                 "Network ID       : 192.168.1.0\r\nBroadcast Address: 192.168.1.255\r\n"
                                 "Nodes in Subnet  : 254\r\n";
    EXPECT_EQ(run({"calc", "192.168.1.10/24"}).out, expected);
    EXPECT_EQ(run({"calc", "192.168.1.10/255.255.255.0"}).out, expected);
    EXPECT_NE(
        run({"calc", "10.1.2.3/1"}).out.find("Broadcast Address: 127.255.255.255\r\nNodes in Subnet  : 2147483646"),
        std::string::npos);
    EXPECT_NE(run({"calc", "10.1.2.3/32"}).out.find("Nodes in Subnet  : 1\r\n"), std::string::npos);
}

TEST(CliPlan, PrintsTheSubnetTabsElevenLines)
{
    const CliRun result = run({"plan", "10.1.2.3/8", "--subnet-mask", "255.255.0.0"});
    EXPECT_EQ(result.out,
              "IPAddress       : 10.1.2.3\r\nAddress Class    : Classless /8\r\nNetwork Address  : 255.0.0.0\r\n"
              "\r\nSubnet Address   : 10.1.0.0\r\nSubnet Mask      : 255.255.0.0\r\n"
              "Subnet Bit Mask  : nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh\r\nSubnet Bits      : 16\r\n"
              "Host Bits        : 16\r\nPossible Number of Subnets : 256\r\nHosts per Subnet : 65534\r\n");
}

TEST(CliPlan, EveryPlanOptionReachesTheSamePlan)
{
    const std::string byMask = run({"plan", "10.0.0.0/20", "--subnet-mask", "255.255.255.192"}).out;
    for (const std::vector<std::string_view> &arguments :
         {std::vector<std::string_view>{"plan", "10.0.0.0/20", "--mask-bits", "26"},
          {"plan", "10.0.0.0/20", "--subnets", "64"},
          {"plan", "10.0.0.0/20", "--host-bits", "6"},
          {"plan", "10.0.0.0/255.255.240.0", "--hosts", "62"}})
        EXPECT_EQ(run(arguments).out, byMask) << arguments[2];
    EXPECT_NE(byMask.find("nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh"), std::string::npos);
    EXPECT_NE(run({"plan", "10.0.0.0/24", "--hosts", "2 (RFC3021)"}).out.find("Subnet Bits      : 31"),
              std::string::npos);
    EXPECT_NE(run({"plan", "10.0.0.0/24"}).out.find("Hosts per Subnet : 254\r\n"), std::string::npos);
}

// ---- list ----

TEST(CliList, StreamsTheRowsAsTheSubnetListCopiesThem)
{
    EXPECT_EQ(run({"list", "10.0.0.0/30", "--mask-bits", "31"}).out,
              "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n"
              "10.0.0.0\t255.255.255.254\t0.0.0.1\t2\t10.0.0.0 to 10.0.0.1\t10.0.0.1\r\n"
              "10.0.0.2\t255.255.255.254\t0.0.0.1\t2\t10.0.0.2 to 10.0.0.3\t10.0.0.3\r\n");
}

TEST(CliList, JsonLinesAndTheSmallestPlanForAHostCount)
{
    EXPECT_EQ(run({"list", "192.168.1.0/24", "--min-hosts", "50", "--format", "jsonl", "--count", "1"}).out,
              "{\"subnet\":\"192.168.1.0\",\"mask\":\"255.255.255.192\",\"inverse_mask\":\"0.0.0.63\",\"size\":62,"
              "\"first_host\":\"192.168.1.1\",\"last_host\":\"192.168.1.62\",\"broadcast\":\"192.168.1.63\"}\n");
    EXPECT_EQ(run({"plan", "10.0.0.0/24", "--min-hosts", "2", "--rfc3021"}).out,
              run({"plan", "10.0.0.0/24", "--hosts", "2 (RFC3021)"}).out);
}

// ---- range, aggregate and vlsm ----

TEST(CliPlanning, RangeAggregateAndVlsm)
{
    EXPECT_EQ(run({"range", "0.0.0.0", "255.255.255.255"}).out, "0.0.0.0/0\n");
    EXPECT_EQ(run({"range", "10.0.0.5", "10.0.0.17"}).out, "10.0.0.5/32\n10.0.0.6/31\n10.0.0.8/29\n10.0.0.16/31\n");
    const std::string list = " 10.0.0.1 \n\n# servers\n10.1.2.3/8\r\n192.168.1.5-192.168.1.7\n192.168.1.8\n";
    EXPECT_EQ(run({"aggregate"}, list).out, "10.0.0.0/8\n192.168.1.5/32\n192.168.1.6/31\n192.168.1.8/32\n");
    EXPECT_EQ(run({"aggregate", "--ranges", "-"}, list).out, "10.0.0.0-10.255.255.255\n192.168.1.5-192.168.1.8\n");
    EXPECT_EQ(run({"vlsm", "10.0.0.0/28", "web=2", "3", "--format", "csv"}).out,
              "Name,Subnet,Mask,Usable Hosts,Host Range,Broadcast\n"
              "2,10.0.0.0/29,255.255.255.248,6,10.0.0.1 to 10.0.0.6,10.0.0.7\n"
              "web,10.0.0.8/30,255.255.255.252,2,10.0.0.9 to 10.0.0.10,10.0.0.11\n"
              "(free),10.0.0.12/30,255.255.255.252,2,10.0.0.13 to 10.0.0.14,10.0.0.15\n");
}

TEST(CliPlanning, RefusalsNameTheirInput)
{
    const CliRun badLine = run({"aggregate"}, "10.0.0.0/8\n10.0.0.300\n");
    EXPECT_EQ(badLine.status, 2);
    EXPECT_EQ(badLine.errors,
              "netquill-cli: -:2 '10.0.0.300': is not an address, a CIDR block or a range (first-last)\n");
    EXPECT_TRUE(badLine.out.empty());
    const CliRun tooMany = run({"vlsm", "10.0.0.0/24", "a=100", "b=200"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.errors,
              "netquill-cli: request 'a=100' does not fit: the block 10.0.0.0/24 lacks 128 addresses\n");
    EXPECT_EQ(run({"range", "10.0.0.2", "10.0.0.1"}).status, 2);
    EXPECT_EQ(run({"vlsm", "10.0.0.0/24", "=5"}).status, 2);
    EXPECT_EQ(run({"plan", "10.0.0.0/24", "--min-hosts", "255"}).errors,
              "netquill-cli: --min-hosts '255': must be a whole number from 1 to 254\n");
}

TEST(CliList, TheLastOfTwoToTheThirtyOneRowsAtOnce)
{
    EXPECT_EQ(run({"list", "0.0.0.0/1", "--mask-bits", "32", "--from", "2147483648", "--count", "1"}).out,
              "Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n"
              "127.255.255.255\t255.255.255.255\t0.0.0.0\t1\t127.255.255.255 to 127.255.255.255\t127.255.255.255\r\n");
    EXPECT_EQ(run({"list", "128.0.0.0/1", "--mask-bits", "31", "--from", "1073741824", "--format", "csv"}).out,
              "255.255.255.254,255.255.255.254,0.0.0.1,2,255.255.255.254 to 255.255.255.255,255.255.255.255\r\n");
}

// ---- Refused input: one line naming the argument and its range, status 2 ----

struct Refusal {
    const char *name;
    std::vector<std::string_view> arguments;
    const char *message;
};

void PrintTo(const Refusal &refusal, std::ostream *out) { *out << refusal.name; }

class CliRefuses : public testing::TestWithParam<Refusal>
{
};

TEST_P(CliRefuses, WithOneLineAndStatusTwo)
{
    const CliRun result = run(GetParam().arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.errors, std::string("netquill-cli: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliRefuses,
    testing::Values(
        Refusal{"OctetAbove255", {"calc", "10.1.2.256/8"}, "ADDRESS '10.1.2.256': octet 4 must be 0 to 255"},
        Refusal{"NoSlash",
                {"calc", "10.0.0.1"},
                "ADDRESS/MASK '10.0.0.1': must be an address, a slash and a mask, such as 192.168.1.0/24"},
        Refusal{"SubnetsNotAPowerOfTwo",
                {"plan", "10.0.0.0/24", "--subnets", "6"},
                "--subnets '6': must be a power of two from 1 to 256 (a /24 block)"},
        Refusal{"TwoPlanOptions",
                {"plan", "10.0.0.0/24", "--host-bits", "2", "--mask-bits", "30"},
                "--host-bits '2': only one of --subnet-mask, --mask-bits, --subnets, --host-bits, --hosts and "
                "--min-hosts may be given"},
        Refusal{"UnknownFormat",
                {"list", "10.0.0.0/24", "--format", "xml"},
                "--format 'xml': must be csv, txt, html, tsv or jsonl"},
        Refusal{"UnknownOption",
                {"calc", "10.0.0.1/8", "--mask-bits", "9"},
                "option '--mask-bits': is not an option of calc"},
        Refusal{"UnknownCommand",
                {"subnet", "10.0.0.0/8"},
                "COMMAND 'subnet': must be convert, calc, plan, list, range, aggregate or vlsm"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CliHelp, EveryCommandHasHelpAndTheVersionIsTheProjects)
{
    for (const char *command : {"convert", "calc", "plan", "list", "range", "aggregate", "vlsm"}) {
        const CliRun result = run({command, "--help"});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind(std::string("usage: netquill-cli ") + command, 0), 0u) << result.out;
    }
    EXPECT_EQ(run({"--version"}).out, std::string("netquill-cli ") + netquill::kVersion + "\n");
    EXPECT_EQ(run({}).status, 2);
}

}  // namespace
