// netquill-cli's commands in-process: each reads its arguments into the same
// core calls the windows make (their texts are tested in the core and the
// windows), and refuses bad input with one line and status 2. The listing is
// tested in a pipe.
#include "cli/commands.h"

#include "core/productinfo.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Arguments = std::vector<std::string_view>;

struct CliRun {
    int status;
    std::string out;
    std::string errors;
};

CliRun run(Arguments arguments, const std::string &input = {})
{
    netquill::cli::TextOutput out;
    std::istringstream in(input);
    std::ostringstream errors;
    const int status = netquill::cli::runCli(arguments, out, in, errors);
    return {status, out.text(), errors.str()};
}

// ---- The windows' texts, printed ----

TEST(CliCopies, EveryWayOfWritingTheInputGivesTheSameText)
{
    const std::string converted = run({"convert", "192.168.1.1"}).out;
    EXPECT_TRUE(converted.starts_with("IP Address : 192.168.1.1\r\nDecimal    : 3232235777\r\n")) << converted;
    for (const Arguments &arguments : {Arguments{"convert", "3232235777"},
                                       {"convert", "0xc0a80101"},
                                       {"convert", "0o30052000401"},
                                       {"convert", "0b11000000101010000000000100000001"},
                                       {"convert", "C0A80101", "--from", "hex"},
                                       {"convert", "--from=octal", "30052000401"}})
        EXPECT_EQ(run(arguments).out, converted) << arguments[1];

    const std::string calculated = run({"calc", "192.168.1.10/24"}).out;
    EXPECT_NE(calculated.find("Subnet Mask Bits : /24\r\n\r\nHost ID          : 0.0.0.10\r\n"), std::string::npos);
    EXPECT_EQ(run({"calc", "192.168.1.10/255.255.255.0"}).out, calculated);

    const std::string planned = run({"plan", "10.0.0.0/20", "--subnet-mask", "255.255.255.192"}).out;
    EXPECT_NE(planned.find("Subnet Bit Mask  : nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh\r\n"), std::string::npos);
    for (const Arguments &arguments : {Arguments{"plan", "10.0.0.0/20", "--mask-bits", "26"},
                                       {"plan", "10.0.0.0/20", "--subnets", "64"},
                                       {"plan", "10.0.0.0/20", "--host-bits", "6"},
                                       {"plan", "10.0.0.0/255.255.240.0", "--hosts", "62"},
                                       {"plan", "10.0.0.0/20", "--min-hosts", "33"}})
        EXPECT_EQ(run(arguments).out, planned) << arguments[2];
    EXPECT_EQ(run({"plan", "10.0.0.0/24", "--min-hosts", "2", "--rfc3021"}).out,
              run({"plan", "10.0.0.0/24", "--hosts", "2 (RFC3021)"}).out);
    EXPECT_NE(run({"plan", "10.0.0.0/24"}).out.find("Hosts per Subnet : 254\r\n"), std::string::npos);
}

// ---- range, aggregate and vlsm ----

TEST(CliPlanning, RangeAggregateAndVlsm)
{
    EXPECT_EQ(run({"range", "0.0.0.0", "255.255.255.255"}).out, "0.0.0.0/0\n");
    const std::string list = " 10.0.0.1 \n\n# servers\n10.1.2.3/8\r\n192.168.1.5-192.168.1.7\n192.168.1.8\n";
    EXPECT_EQ(run({"aggregate"}, list).out, "10.0.0.0/8\n192.168.1.5/32\n192.168.1.6/31\n192.168.1.8/32\n");
    EXPECT_EQ(run({"aggregate", "--ranges", "-"}, list).out, "10.0.0.0-10.255.255.255\n192.168.1.5-192.168.1.8\n");
    EXPECT_EQ(run({"vlsm", "10.0.0.0/28", "web=2", "3", "--format", "csv"}).out,
              "Name,Subnet,Mask,Usable Hosts,Host Range,Broadcast\n"
              "2,10.0.0.0/29,255.255.255.248,6,10.0.0.1 to 10.0.0.6,10.0.0.7\n"
              "web,10.0.0.8/30,255.255.255.252,2,10.0.0.9 to 10.0.0.10,10.0.0.11\n"
              "(free),10.0.0.12/30,255.255.255.252,2,10.0.0.13 to 10.0.0.14,10.0.0.15\n");
    const CliRun tooMany = run({"vlsm", "10.0.0.0/24", "a=100", "b=200"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.errors,
              "netquill-cli: request 'a=100' does not fit: the block 10.0.0.0/24 lacks 128 addresses\n");
}

// ---- Refused input: one line naming the argument and its range, status 2 ----

struct Refusal {
    const char *name;
    Arguments arguments;
    const char *message;
    std::string input = {};
};

void PrintTo(const Refusal &refusal, std::ostream *out) { *out << refusal.name; }

using CliRefuses = testing::TestWithParam<Refusal>;

TEST_P(CliRefuses, WithOneLineAndStatusTwo)
{
    const CliRun result = run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.errors, std::string("netquill-cli: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliRefuses,
    testing::Values(
        Refusal{"OctetAbove255", {"calc", "10.1.2.256/8"}, "ADDRESS '10.1.2.256': octet 4 must be 0 to 255"},
        Refusal{"SubnetsNotAPowerOfTwo",
                {"plan", "10.0.0.0/24", "--subnets", "6"},
                "--subnets '6': must be a power of two from 1 to 256 (a /24 block)"},
        Refusal{"TwoPlanOptions",
                {"plan", "10.0.0.0/24", "--host-bits", "2", "--mask-bits", "30"},
                "--host-bits '2': only one of --subnet-mask, --mask-bits, --subnets, --host-bits, --hosts and "
                "--min-hosts may be given"},
        Refusal{"MoreHostsThanTheBlock",
                {"plan", "10.0.0.0/24", "--min-hosts", "255"},
                "--min-hosts '255': must be a whole number from 1 to 254"},
        Refusal{"UnknownFormat",
                {"list", "10.0.0.0/24", "--format", "xml"},
                "--format 'xml': must be csv, txt, html, tsv or jsonl"},
        Refusal{"UnknownCommand",
                {"subnet", "10.0.0.0/8"},
                "COMMAND 'subnet': must be convert, calc, plan, list, range, aggregate or vlsm"},
        Refusal{"RangeBackwards",
                {"range", "10.0.0.2", "10.0.0.1"},
                "LAST '10.0.0.1': must not come before FIRST 10.0.0.2"},
        Refusal{"ListLineNotAnAddress",
                {"aggregate"},
                "-:2 '10.0.0.300': is not an address, a CIDR block or a range (first-last)",
                "10.0.0.0/8\n10.0.0.300\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CliHelp, UsageAndTheProjectsVersion)
{
    EXPECT_TRUE(run({"vlsm", "--help"}).out.starts_with("usage: netquill-cli vlsm BLOCK/PREFIX REQUEST..."));
    EXPECT_EQ(run({"--version"}).out, std::string("netquill-cli ") + netquill::kVersion + "\n");
    EXPECT_EQ(run({}).status, 2);
}

}  // namespace
