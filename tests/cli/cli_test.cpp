// netquill-cli's commands in-process: each reads its arguments through the
// core's one parser into the same core calls the windows make (their texts
// are tested in the core and the windows), reads its files with every error
// checked and in bounded memory, and refuses bad input with the reason and
// status 2. The program itself is tested in a pipe.
#include "cli/commandfiles.h"
#include "cli/commands.h"
#include "cli/input.h"

#include "core/productinfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {

using Arguments = std::vector<std::string_view>;

struct CliRun {
    int status;
    std::string out;
    std::string errors;
};

constexpr std::string_view kClosed = "(closed)";

// Runs the command with `input` on standard input, or a closed descriptor for kClosed.
CliRun run(Arguments arguments, std::string_view input = {})
{
    int standardInput = -1;
    if (input != kClosed) {
        std::FILE *file = std::tmpfile();
        if (!input.empty())
            std::fwrite(input.data(), 1, input.size(), file);
        std::fflush(file);
        standardInput = ::dup(::fileno(file));
        ::lseek(standardInput, 0, SEEK_SET);
        std::fclose(file);
    }
    netquill::cli::TextOutput out;
    std::ostringstream errors;
    const int status = netquill::cli::runCli(arguments, out, standardInput, errors);
    if (standardInput >= 0)
        ::close(standardInput);
    return {status, out.text(), errors.str()};
}

// ---- The windows' texts and the same values as JSON ----

TEST(CliCopies, EveryWayOfWritingTheInputGivesTheSameText)
{
    const std::string converted = run({"convert", "192.168.1.1"}).out;
    EXPECT_TRUE(converted.starts_with("IP Address : 192.168.1.1\nDecimal    : 3232235777\n")) << converted;
    for (const Arguments &arguments : {Arguments{"convert", "3232235777"},
                                       {"convert", "0xc0a80101"},
                                       {"convert", "0o30052000401"},
                                       {"convert", "0b11000000101010000000000100000001"},
                                       {"convert", "C0A80101", "--from", "hex"},
                                       {"convert", "--from=octal", "--", "30052000401"}})
        EXPECT_EQ(run(arguments).out, converted) << arguments[1];

    const std::string calculated = run({"calc", "192.168.1.10/24", "--crlf"}).out;
    EXPECT_NE(calculated.find("Subnet Mask Bits : /24\r\n\r\nHost ID          : 0.0.0.10\r\n"), std::string::npos);
    EXPECT_EQ(run({"calc", "192.168.1.10", "255.255.255.0", "--crlf"}).out, calculated);

    const std::string planned = run({"plan", "10.0.0.0/20", "--subnet-mask", "255.255.255.192"}).out;
    EXPECT_NE(planned.find("Subnet Bit Mask  : nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh\n"), std::string::npos);
    for (const Arguments &arguments : {Arguments{"plan", "10.0.0.0/20", "--mask-bits", "26"},
                                       {"plan", "10.0.0.0/20", "--subnets", "33"},
                                       {"plan", "10.0.0.0/20", "--host-bits", "6"},
                                       {"plan", "10.0.0.0/255.255.240.0", "--hosts", "62"},
                                       {"plan", "10.0.0.0/20", "--min-hosts", "33"}})
        EXPECT_EQ(run(arguments).out, planned) << arguments[2];
    EXPECT_EQ(run({"plan", "10.0.0.0/24", "--min-hosts", "2", "--rfc3021"}).out,
              run({"plan", "10.0.0.0/24", "--hosts", "2 (RFC3021)"}).out);
}

TEST(CliJson, OneObjectOfTheValuesInOneVocabulary)
{
    EXPECT_EQ(run({"convert", "10.0.0.1", "--format", "json"}).out,
              "{\"dotted_quad\":\"10.0.0.1\",\"decimal\":167772161,\"hexadecimal\":\"A000001\",\"octal\":"
              "\"1200000001\",\"binary\":\"00001010000000000000000000000001\"}\n");
    EXPECT_EQ(
        run({"calc", "10.0.0.1/31", "--format=json"}).out,
        "{\"address\":\"10.0.0.1\",\"network\":\"10.0.0.0\",\"broadcast\":\"10.0.0.1\",\"prefix_length\":31,"
        "\"mask\":\"255.255.255.254\",\"wildcard_mask\":\"0.0.0.1\",\"host_id\":\"0.0.0.1\",\"nodes_in_subnet\":0,"
        "\"first_host\":\"10.0.0.0\",\"last_host\":\"10.0.0.1\",\"address_count\":2,\"usable_hosts\":2,"
        "\"reverse_zones\":[\"0.0.0.10.in-addr.arpa.\",\"1.0.0.10.in-addr.arpa.\"],\"address_type\":\"Private-Use\","
        "\"address_type_rfc\":\"RFC 1918\",\"cloud\":null}\n");
    EXPECT_TRUE(run({"calc", "0.0.0.0/0", "--format", "json"})
                    .out.ends_with(
                        "\"address_count\":4294967296,\"usable_hosts\":4294967294,"
                        "\"reverse_zones\":[\"in-addr.arpa.\"],\"address_type\":"
                        "\"\\\"This host on this network\\\"\",\"address_type_rfc\":\"RFC 1122\",\"cloud\":null}\n"));
    EXPECT_EQ(
        run({"plan", "10.1.2.3/16", "--subnets", "5", "--format", "json"}).out,
        "{\"address\":\"10.1.2.3\",\"network\":\"10.1.0.0\",\"prefix_length\":16,\"mask\":\"255.255.0.0\","
        "\"subnet_address\":\"10.1.0.0\","
        "\"subnet_mask\":\"255.255.224.0\",\"subnet_bit_mask\":\"nnnnnnnn.nnnnnnnn.ssshhhhh.hhhhhhhh\","
        "\"subnet_prefix_length\":19,\"host_bits\":13,\"subnet_count\":8,\"usable_hosts\":8190,\"cloud\":null}\n");
}

// One vocabulary for both families: network is the network address beside
// prefix_length; IPv4 counts are numbers, IPv6 counts and values strings
// whatever their size; a key is written for every input, null for no value.
TEST(CliJson, OneMeaningForEachKeyAndOptionWhateverTheFamily)
{
    const std::string calc = run({"calc", "2001:db8::1/64", "--format", "json"}).out;
    EXPECT_NE(calc.find(",\"network\":\"2001:db8::\",\"prefix_length\":64,"), std::string::npos);
    EXPECT_NE(calc.find(",\"address_count\":\"18446744073709551616\",\"subnet_48_count\":null,"
                        "\"subnet_64_count\":\"1\","),
              std::string::npos);
    EXPECT_NE(calc.find("\"address_type\":\"Documentation\",\"address_type_rfc\":\"RFC 3849\""), std::string::npos);
    // No registry names IPv4 global unicast; RFC 4291 names IPv6's.
    EXPECT_TRUE(run({"calc", "8.8.8.8/32", "--format", "json"})
                    .out.ends_with("\"address_type\":\"Global Unicast\",\"address_type_rfc\":null,\"cloud\":null}\n"));
    EXPECT_NE(run({"calc", "2606:4700::1/64", "--format", "json"})
                  .out.find("\"address_type\":\"Global Unicast\",\"address_type_rfc\":\"RFC 4291\""),
              std::string::npos);
    const std::string convert = run({"convert", "::1", "--format", "json"}).out;
    EXPECT_TRUE(
        convert.find(",\"decimal\":\"1\",") != std::string::npos &&
        convert.ends_with(",\"embedded_ipv4\":null,\"teredo_server\":null,\"solicited_node\":\"ff02::1:ff00:1\","
                          "\"mac\":null,\"global_id\":null,\"subnet_id\":null}\n"));
    EXPECT_NE(run({"plan", "2001:db8::/48", "--mask-bits", "64", "--format", "json"})
                  .out.find(",\"subnet_count\":\"65536\",\"subnet_address_count\":\"18446744073709551616\","),
              std::string::npos);
    // Options too: --count past the end writes the rows there are, and
    // --rfc3021 is taken where it changes nothing.
    for (const Arguments &lastTwo :
         {Arguments{"list", "10.0.0.0/30", "--mask-bits", "32", "--from", "3", "--count", "9"},
          Arguments{"list", "::/126", "--mask-bits", "128", "--from", "3", "--count", "9"}}) {
        const std::string rows = run(lastTwo).out;
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 3) << lastTwo[1];  // the heading and two rows
    }
    EXPECT_EQ(run({"vlsm", "10.0.0.0/24", "30", "--rfc3021"}).out, run({"vlsm", "10.0.0.0/24", "30"}).out);
    EXPECT_EQ(run({"plan", "2001:db8::/48", "--rfc3021"}).out, run({"plan", "2001:db8::/48"}).out);
}

// ---- range, aggregate and vlsm ----

TEST(CliPlanning, RangeAggregateAndVlsm)
{
    EXPECT_EQ(run({"range", "10.0.0.5-10.0.0.17", "--crlf"}).out,
              "10.0.0.5/32\r\n10.0.0.6/31\r\n10.0.0.8/29\r\n10.0.0.16/31\r\n");
    const char *list = "\xEF\xBB\xBF 10.0.0.1 \n\n# servers\n10.1.2.3/255.0.0.0\r\n192.168.1.5 - 192.168.1.7\n"
                       "192.168.1.8";
    EXPECT_EQ(run({"aggregate"}, list).out, "10.0.0.0/8\n192.168.1.5/32\n192.168.1.6/31\n192.168.1.8/32\n");
    EXPECT_EQ(run({"aggregate", "--ranges", "-"}, list).out, "10.0.0.0-10.255.255.255\n192.168.1.5-192.168.1.8\n");
    EXPECT_EQ(run({"vlsm", "10.0.0.0/28", "web, east=2", "3", "--format", "csv"}).out,
              "Name,Subnet,Mask,Inverse Mask,Subnet Size,Host Range,Broadcast\n"
              "2,10.0.0.0,255.255.255.248,0.0.0.7,6,10.0.0.1 to 10.0.0.6,10.0.0.7\n"
              "\"web, east\",10.0.0.8,255.255.255.252,0.0.0.3,2,10.0.0.9 to 10.0.0.10,10.0.0.11\n"
              "(free),10.0.0.12,255.255.255.252,0.0.0.3,2,10.0.0.13 to 10.0.0.14,10.0.0.15\n");
    const CliRun tooMany = run({"vlsm", "10.0.0.0/24", "a=100", "b=200"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.errors,
              "netquill-cli: request 'a=100' does not fit: the block 10.0.0.0/24 lacks 128 addresses\n");
    EXPECT_EQ(run({"vlsm", "10.0.0.0/32", "a=1"}).errors,
              "netquill-cli: request 'a=1' does not fit: a /32 holds one address; a request for hosts gets a /30, or "
              "a /31 with --rfc3021\n");
    EXPECT_EQ(run({"vlsm", "2001:db8::/128", "a=/128", "b=1"}).errors,
              "netquill-cli: request 'b=1' does not fit: the block 2001:db8::/128 lacks 1 address\n");
}

// --cloud counts hosts as the provider does wherever hosts are counted or
// asked for: AWS keeps the first four addresses and the last, Google Cloud
// the first two and the last two.
TEST(CliPlanning, CloudSubnets)
{
    EXPECT_TRUE(run({"calc", "10.1.2.3/24", "--cloud", "aws"})
                    .out.ends_with("Nodes in Subnet  : 254\nCloud Hosts      : 251 in AWS, 10.1.2.4 to 10.1.2.254\n"));
    EXPECT_TRUE(run({"calc", "10.1.2.3/24", "--cloud=gcp", "--format", "json"})
                    .out.find("\"first_host\":\"10.1.2.2\",\"last_host\":\"10.1.2.253\",\"address_count\":256,"
                              "\"usable_hosts\":252") != std::string::npos);
    EXPECT_TRUE(run({"plan", "10.0.0.0/16", "--min-hosts", "250", "--cloud", "gcp", "--format", "json"})
                    .out.ends_with("\"subnet_prefix_length\":24,\"host_bits\":8,\"subnet_count\":256,"
                                   "\"usable_hosts\":252,\"cloud\":\"gcp\"}\n"));
    EXPECT_EQ(run({"list", "10.0.0.0/24", "--mask-bits", "25", "--cloud", "aws", "--no-header"}).out,
              "10.0.0.0\t255.255.255.128\t0.0.0.127\t123\t10.0.0.4 to 10.0.0.126\t10.0.0.127\n"
              "10.0.0.128\t255.255.255.128\t0.0.0.127\t123\t10.0.0.132 to 10.0.0.254\t10.0.0.255\n");
    // Two hosts get AWS's smallest subnet; the free /30 is no AWS subnet.
    EXPECT_EQ(run({"vlsm", "10.0.0.0/27", "link=2", "--cloud", "aws", "--no-header"}).out,
              "link\t10.0.0.0\t255.255.255.240\t0.0.0.15\t11\t10.0.0.4 to 10.0.0.14\t10.0.0.15\n"
              "(free)\t10.0.0.16\t255.255.255.240\t0.0.0.15\t11\t10.0.0.20 to 10.0.0.30\t10.0.0.31\n");
    EXPECT_EQ(run({"vlsm", "10.0.0.0/29", "a=2", "--cloud", "aws"}).errors,
              "netquill-cli: request 'a=2' does not fit: AWS subnets are /16 to /28; a /29 holds none\n");
}

// A file large enough to be cut is read on three threads with the very
// bytes, complaints and status of one: cuts fall inside lines of every
// length, bad lines stand in every part, and the last line has no line end.
TEST(CliThreads, ThreeThreadsWriteWhatOneDoes)
{
    std::mt19937 random(40);
    std::string text;
    while (text.size() < (std::size_t{5} << 20)) {
        const unsigned value = random();
        switch (value % 8) {
        case 0:
            text += "2001:db8:" + std::to_string(value % 9000) + "::/" + std::to_string(48 + value % 80) + "\n";
            break;
        case 1:  // a log line: grep finds its address, aggregate refuses it
            text +=
                "sshd: from 10." + std::to_string(value >> 24) + ".1.2 port " + std::string(value % 300, 'x') + "\n";
            break;
        default:
            text += std::to_string(value >> 24 & 127) + "." + std::to_string(value >> 16 & 255) + "." +
                    std::to_string(value >> 8 & 255) + ".0/" + std::to_string(16 + value % 17) + "\n";
        }
    }
    text += "10.9.8.7";
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "netquill-cli-threads.txt";
    std::ofstream(file, std::ios::binary) << text;
    const std::string name = file.string();
    const auto both = [&](Arguments arguments) {
        arguments.push_back(name);
        Arguments one = arguments;
        one.insert(one.begin() + 1, {"--threads", "1"});
        Arguments three = arguments;
        three.insert(three.begin() + 1, {"--threads", "3"});
        const CliRun alone = run(one);
        const CliRun parted = run(three);
        EXPECT_EQ(parted.status, alone.status) << arguments[0];
        EXPECT_TRUE(parted.out == alone.out) << arguments[0] << " " << arguments[1];
        EXPECT_EQ(parted.errors, alone.errors);
        return alone;
    };
    EXPECT_TRUE(both({"aggregate"}).errors.ends_with(" more\n"));
    for (const std::string_view option : {"-H", "-v", "-c", "-o", "-x"})
        EXPECT_FALSE(both({"grep", option, "10.0.0.0/9,2001:db8::/33"}).out.empty());
    std::filesystem::remove(file);
}

// The commands over lists read each LIST as aggregate does, write the
// answer as it does, and diff's status tells whether the lists differ.
TEST(CliLists, SetsOfListsTheirCountsAndDiffsStatus)
{
    const std::string a = testing::TempDir() + "a.lst";
    const std::string b = testing::TempDir() + "b.lst";
    std::FILE *file = std::fopen(a.c_str(), "w");
    std::fputs("10.0.0.0/24\n2001:db8::/32\n192.0.2.1\n", file);
    std::fclose(file);
    const char *listB = "10.0.0.128-10.0.1.255\n2001:db8:1::/48\n";
    EXPECT_EQ(run({"common", a, "-"}, listB).out, "10.0.0.128/25\n2001:db8:1::/48\n");
    EXPECT_EQ(run({"except", a, "-", "--family", "4", "--ranges"}, listB).out,
              "10.0.0.0-10.0.0.127\n192.0.2.1-192.0.2.1\n");
    const CliRun differ = run({"diff", a, "-", "--family", "4"}, listB);
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out, "10.0.0.0/25\n10.0.1.0/24\n192.0.2.1/32\n");
    const CliRun same = run({"diff", "-q", a, "-"}, "192.0.2.1\n10.0.0.0-10.0.0.255\n2001:db8::/32\n");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    // 2^96 − 2^80 of a's IPv6 addresses are not in b.
    EXPECT_EQ(run({"compare", a, "-", "--format", "csv"}, listB).out,
              "First,Second,Family,Both,Only First,Only Second\n" + a + ",-,IPv4,128,129,256\n" + a +
                  ",-,IPv6,1208925819614629174706176,79226953588444722964369244160,0\n");
    // txt lines its columns up at tab stops of 8: "0" needs two TABs where "16777216" needs one.
    EXPECT_EQ(run({"count", "-", "--format", "txt"}, "10.0.0.0/8\n").out,
              "List\tFamily\tAddresses\tBlocks\n-\tIPv4\t16777216\t1\n-\tIPv6\t0\t\t0\n");
    EXPECT_EQ(run({"count", "-", "--no-header", "--family", "6"}, "::/0\n").out,
              "-\tIPv6\t340282366920938463463374607431768211456\t1\n");
    file = std::fopen(b.c_str(), "w");
    std::fputs("10.0.0.1\nten\n", file);
    std::fclose(file);
    const CliRun bad = run({"count", a, b});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");  // nothing is printed until every list is read
    EXPECT_TRUE(bad.errors.starts_with("netquill-cli: " + b + ":2: 'ten': ")) << bad.errors;
    EXPECT_EQ(run({"common", "-", "-"}, "").errors,
              "netquill-cli: LIST '-': is given twice: standard input is read once\n");
}

// grep passes the lines that hold an address inside a pattern as they are,
// with grep's options and statuses; a line longer than its buffer is read in
// pieces, an address across two pieces found all the same.
TEST(CliGrep, LinesOptionsAndStatuses)
{
    const char *log = "ok 10.0.0.1 here\r\nno 10.0.0.10x\nsrc=192.0.2.7:5353\n[2001:db8::1]:443\nlast 10.0.0.200";
    EXPECT_EQ(run({"grep", "10.0.0.0/24"}, log).out, "ok 10.0.0.1 here\r\nlast 10.0.0.200\n");
    EXPECT_EQ(run({"grep", "-vn", "-e", "10.0.0.0/24", "-e2001:db8::/32"}, log).out,
              "2:no 10.0.0.10x\n3:src=192.0.2.7:5353\n");
    EXPECT_EQ(run({"grep", "-o", "192.0.2.0-192.0.2.9, ::/0"}, log).out, "192.0.2.7\n2001:db8::1\n");
    // One PATTERN operand, as in grep: a second operand is a FILE, an address or not.
    EXPECT_EQ(run({"grep", "10.0.0.0/8", "10.0.0.5"}, log).errors,
              "netquill-cli: FILE '10.0.0.5': No such file or directory\n");
    // A zone is part of the address it follows, and no part of a pattern.
    const char *zoned = "fe80::1%eth0\nfe80::2 up\n";
    EXPECT_EQ(run({"grep", "-x", "fe80::/10"}, zoned).out, "fe80::1%eth0\n");
    EXPECT_EQ(run({"grep", "-o", "fe80::/10"}, zoned).out, "fe80::1%eth0\nfe80::2\n");
    EXPECT_EQ(run({"grep", "fe80::1%eth0"}, zoned).errors,
              "netquill-cli: PATTERN 'fe80::1%eth0': has a zone: a zone names a link, not an address or a block\n");
    EXPECT_EQ(run({"grep", "-c", "-H", "0.0.0.0/0", "--", "-"}, log).out, "(standard input):3\n");
    EXPECT_EQ(run({"grep", "-x", "10.0.0.0/8"}, "10.0.0.1\r\n 10.0.0.2\n").out, "10.0.0.1\r\n");
    EXPECT_EQ(run({"grep", "-q", "10.0.0.1"}, log).status, 0);
    const CliRun none = run({"grep", "10.9.9.9"}, log);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    const CliRun bad = run({"grep", "-e", "10.0.0.0/33"}, log);
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.errors.starts_with("netquill-cli: PATTERN '10.0.0.0/33': ")) << bad.errors;
    // An address across the first megabyte's end, in a line of three.
    std::string longLine(3 << 20, 'x');
    longLine.replace((1 << 20) - 4, 10, " 10.0.0.7 ");
    const CliRun found = run({"grep", "10.0.0.7"}, longLine + "\n10.0.0.8\n");
    EXPECT_EQ(found.status, 0);
    EXPECT_TRUE(found.out == longLine + "\n") << found.out.size();
}

// vlsm --save writes a plan file whole or not at all (status 3), or with
// "-" to standard output instead of the rows; plan-file prints it, and
// refuses a damaged one with its line.
TEST(CliPlans, VlsmSavesAPlanThatPlanFilePrints)
{
    const std::string file = testing::TempDir() + "vlsm.nqplan";
    EXPECT_EQ(run({"vlsm", "10.0.0.0/29", "a=2", "--save", file}).status, 0);
    const std::string rows = "Depth,Subnet,Name,Note,Request,Paired,Size,Status,VLAN,Colour\n"
                             "0,10.0.0.0/29,,,,,6,container,,\n"
                             "1,10.0.0.0/30,a,,2,,2,active,,\n"
                             "1,10.0.0.4/30,,,,,2,container,,\n";
    EXPECT_EQ(run({"plan-file", file, "--format", "csv"}).out, rows);
    const CliRun toOutput = run({"vlsm", "10.0.0.0/29", "a=2", "--save", "-"});
    EXPECT_EQ(run({"plan-file", "-", "--format", "csv"}, toOutput.out).out, rows);
    const CliRun damaged =
        run({"plan-file", "-"}, "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n{\"depth\":0}]}");
    EXPECT_EQ(damaged.errors, "netquill-cli: FILE '-': line 2: has no \"block\"\n");
    EXPECT_EQ(damaged.status, 2);
    const CliRun full = run({"vlsm", "10.0.0.0/29", "a=2", "--save", "/dev/full"});
    EXPECT_EQ(full.errors, "netquill-cli: --save '/dev/full': No space left on device; nothing was written\n");
    EXPECT_EQ(full.status, 3);
}

// NetBox's prefix list exported as CSV and phpIPAM's subnet export, written
// by hand from their formats, read into a plan and written for each IPAM.
TEST(CliPlans, ImportsAndExportsTheIpamFormats)
{
    const std::string netbox = testing::TempDir() + "netbox.csv";
    std::FILE *file = std::fopen(netbox.c_str(), "w");
    std::fputs("ID,Prefix,Status,Children,VRF,Utilization,Tenant,Site,VLAN,Role,Description\n"
               "1,10.0.0.0/23,Container,1,,,,,,,Campus\n"
               "2,10.0.1.0/24,Active,0,,50%,,,Users (120),,\"Office, 2nd floor | main\"\n",
               file);
    std::fclose(file);
    const std::string plan = testing::TempDir() + "imported.nqplan";
    const CliRun netboxRows = run({"plan-file", "--import", netbox, "--format", "netbox", "--save", plan});
    EXPECT_EQ(netboxRows.out, "prefix,status,description,vlan\n"
                              "10.0.0.0/23,container,Campus,\n"
                              "10.0.0.0/24,container,,\n"
                              "10.0.1.0/24,active,\"Office, 2nd floor | main\",120\n");
    EXPECT_TRUE(run({"plan-file", plan, "--format", "phpipam", "--section", "Lab"})
                    .out.ends_with("Lab,10.0.1.0/24,\"Office, 2nd floor | main\",120\n"));
    const CliRun phpipam = run({"plan-file", "--import", "-", "--format", "infoblox"},
                               "Section;Subnet;Description;VLAN\nLab;Servers (folder);Servers;NA\n"
                               "Lab;2001:db8::/32;Core;NA\nLab;2001:db8::/33;Servers;NA\n");
    EXPECT_EQ(phpipam.out, "header-ipv6networkcontainer,address*,cidr*,comment\n"
                           "ipv6networkcontainer,2001:db8::,32,Core\n"
                           "header-ipv6network,address*,cidr*,comment\n"
                           "ipv6network,2001:db8::,33,Servers\n"
                           "ipv6network,2001:db8:8000::,33,\n");
    EXPECT_EQ(run({"plan-file", plan, "--format", "phpipam"}).errors,
              "netquill-cli: --format phpipam needs --section NAME, the phpIPAM section the subnets go in\n");
    const CliRun twice = run({"plan-file", "--import", "-"}, "prefix\n10.0.0.0/8\n10.0.0.0/8\n");
    EXPECT_EQ(twice.errors, "netquill-cli: --import '-': line 3: 10.0.0.0/8 is given on line 2 as well\n");
    EXPECT_EQ(twice.status, 2);
}

// ---- IPv6, decided by the text, and lists of both families ----

TEST(CliIpv6, EveryCommandTakesIt)
{
    EXPECT_TRUE(run({"convert", "::ffff:192.0.2.1", "--format", "json"})
                    .out.find(",\"embedded_ipv4\":\"192.0.2.1\",\"teredo_server\":null,") != std::string::npos);
    EXPECT_TRUE(run({"convert", "fe80::1%e\x1bth0"}).out.starts_with("IPv6 Address  : fe80::1%e\\x1bth0\n"));
    EXPECT_NE(run({"calc", "::", "0"}).out.find("Addresses     : 340282366920938463463374607431768211456 (2^128)\n"),
              std::string::npos);
    EXPECT_EQ(run({"list", "2001:db8::/32", "--mask-bits", "64", "--from", "4294967296", "--count", "1", "--format",
                   "csv", "--no-header"})
                  .out,
              "2001:db8:ffff:ffff::/64,64,2001:db8:ffff:ffff::,2001:db8:ffff:ffff:ffff:ffff:ffff:ffff,"
              "18446744073709551616\n");
    const char *mixed = "2001:db8:8000::/33\n10.0.0.1\n::ffff:10.0.0.0/127\n2001:db8::/33\n10.0.0.0\n";
    EXPECT_EQ(run({"aggregate"}, mixed).out, "10.0.0.0/31\n::ffff:10.0.0.0/127\n2001:db8::/32\n");
    EXPECT_EQ(run({"aggregate", "--family", "6", "--ranges"}, mixed).out,
              "::ffff:10.0.0.0-::ffff:10.0.0.1\n2001:db8::-2001:db8:ffff:ffff:ffff:ffff:ffff:ffff\n");
    EXPECT_EQ(
        run({"list", "::/0", "--subnets", "340282366920938463463374607431768211456", "--count", "1", "--no-header"})
            .out,
        "::/128\t128\t::\t::\t1\n");
    EXPECT_EQ(run({"calc", "2001:db8::/129"}).errors,
              "netquill-cli: ADDRESS/PREFIX '2001:db8::/129': the prefix length is over 128\n");
}

// The IPv6 deployment commands, each both ways where it has two.
TEST(CliIpv6, UlaEui64AndNat64)
{
    const std::string drawn = run({"ula", "--count", "2"}).out;
    EXPECT_TRUE(std::regex_match(drawn, std::regex("(fd[0-9a-f]{2}:[0-9a-f]{1,4}:[0-9a-f]{1,4}::/48\n){2}"))) << drawn;
    EXPECT_NE(drawn.substr(0, drawn.find('\n')),
              drawn.substr(drawn.find('\n') + 1, drawn.size() - drawn.find('\n') - 2));
    EXPECT_EQ(run({"eui64", "00-1A-2B-3C-4D-5E", "2001:db8:1:2::/64"}).out,
              "MAC           : 00:1a:2b:3c:4d:5e\nInterface ID  : 021a:2bff:fe3c:4d5e\n"
              "Address       : 2001:db8:1:2:21a:2bff:fe3c:4d5e\nSolicited Node: ff02::1:ff3c:4d5e\n");
    EXPECT_EQ(run({"nat64", "2001:db8:122::/48", "192.0.2.33", "--format", "json"}).out,
              "{\"prefix\":\"2001:db8:122::/48\",\"address\":\"2001:db8:122:c000:2:2100::\",\"embedded_ipv4\":"
              "\"192.0.2.33\"}\n");
    EXPECT_TRUE(run({"nat64", "2001:db8:122::/48", "2001:db8:122:c000:2:2100::"}).out.ends_with(": 192.0.2.33\n"));
    EXPECT_TRUE(run({"convert", "fe80::21a:2bff:fe3c:4d5e"}).out.ends_with("MAC (EUI-64)  : 00:1a:2b:3c:4d:5e\n"));
}

// ---- Refused: one line with the reason, status 2, nothing on stdout ----

struct RefusedRun {
    const char *name;
    Arguments arguments;
    const char *message;
    std::string_view input = {};
};

void PrintTo(const RefusedRun &refusal, std::ostream *out) { *out << refusal.name; }

using CliRefuses = testing::TestWithParam<RefusedRun>;

TEST_P(CliRefuses, WithTheReasonAndStatusTwo)
{
    const CliRun result = run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.errors, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliRefuses,
    testing::Values(
        RefusedRun{"ReasonOfTheCoresParser",
                   {"plan", "10.0.0.256/24"},
                   "netquill-cli: BLOCK/PREFIX '10.0.0.256/24': octet 4 is above 255\n"},
        RefusedRun{"BackwardsRange",
                   {"range", "10.0.0.2", "10.0.0.1"},
                   "netquill-cli: LAST '10.0.0.1': comes before FIRST 10.0.0.2: the range runs backwards\n"},
        RefusedRun{"UnknownOptionAndTheNearest",
                   {"list", "10.0.0.0/8", "--fromat", "csv"},
                   "netquill-cli: unknown option '--fromat' for list (did you mean --format?)\n"},
        RefusedRun{"OptionGivenTwice",
                   {"list", "10.0.0.0/8", "--format", "csv", "--format=tsv"},
                   "netquill-cli: --format is given twice: 'csv', then 'tsv'\n"},
        RefusedRun{
            "FlagGivenAValue", {"aggregate", "--ranges=yes"}, "netquill-cli: --ranges is a flag and takes no value\n"},
        RefusedRun{"FlagGivenTwice", {"list", "::/126", "--crlf", "--crlf"}, "netquill-cli: --crlf is given twice\n"},
        RefusedRun{"FirstExtraWordNamed",
                   {"convert", "1", "2", "3"},
                   "netquill-cli: '2' is one word too many: ADDRESS comes with nothing after it\n"},
        RefusedRun{"FirstWordAfterAPrefixNamed",
                   {"calc", "10.0.0.1/24", "extra1", "extra2"},
                   "netquill-cli: 'extra1' is one word too many: '10.0.0.1/24' gives its prefix already\n"},
        RefusedRun{"MaskAfterAPrefixOfIpv6",
                   {"calc", "2001:db8::/32", "64"},
                   "netquill-cli: '64' is one word too many: '2001:db8::/32' gives its prefix already\n"},
        // What a /32 or /31 holds, and what a request for hosts would need
        RefusedRun{"HostsInASlash32",
                   {"list", "10.0.0.0/32", "--min-hosts", "1", "--rfc3021"},
                   "netquill-cli: --min-hosts '1': a /32 holds one address; a request for hosts gets a /30, or a /31 "
                   "with --rfc3021\n"},
        RefusedRun{"HostsInASlash31",
                   {"list", "10.0.0.0/31", "--min-hosts", "1"},
                   "netquill-cli: --min-hosts '1': a /31 holds two addresses; a request for hosts gets a /30, or a /31 "
                   "with --rfc3021\n"},
        RefusedRun{"EachWordOfIpv6CalcAsTyped",
                   {"calc", "2001:db8::1", "129"},
                   "netquill-cli: PREFIX '129': the prefix length is over 128\n"},
        RefusedRun{
            "HostsChoicesListedOnce",
            {"plan", "10.0.0.0/29", "--hosts", "3"},
            "netquill-cli: --hosts '3': must be one of the hosts per subnet of a /29 block: 1, \"2 (RFC3021)\", 2, "
            "6\n"},
        RefusedRun{
            "AnIpv4AddressWithAWrongPrefix",
            {"plan", "1.1.1.1/::"},
            "netquill-cli: BLOCK/PREFIX '1.1.1.1/::': the prefix must be a length of 0 to 32 or a dotted mask such "
            "as 255.255.255.0\n"},
        RefusedRun{"ASlashEndsAZone",
                   {"convert", "fe80::1%eth0/64"},
                   "netquill-cli: ADDRESS 'fe80::1%eth0/64': has a prefix after its zone: an address is meant, not a "
                   "block\n"},
        RefusedRun{"PlanOptionOfTheOtherFamily",
                   {"plan", "2001:db8::/48", "--hosts", "62"},
                   "netquill-cli: --hosts '62': is for IPv4; an IPv6 block takes --mask-bits, --subnets or "
                   "--min-addresses\n"},
        RefusedRun{
            "TwoPlanOptions",
            {"list", "10.0.0.0/8", "--mask-bits", "9", "--subnets", "4"},
            "netquill-cli: --subnets '4': only one of --subnet-mask, --mask-bits, --subnets, --host-bits, --hosts "
            "and --min-hosts may be given\n"},
        RefusedRun{"OptionOfTheOtherFamily",
                   {"convert", "2001:db8::1", "--from", "hex"},
                   "netquill-cli: --from 'hex': is for IPv4 notations; an IPv6 address is read as convert writes it\n"},
        // A leading zero is refused in every number, as in an octet
        RefusedRun{"LeadingZeroInAnIpv4Option",
                   {"list", "10.0.0.0/8", "--mask-bits", "026"},
                   "netquill-cli: --mask-bits '026': has a leading zero, which other tools read as octal\n"},
        RefusedRun{"LeadingZeroInADecimalAddress",
                   {"convert", "010"},
                   "netquill-cli: ADDRESS '010': has a leading zero, which other tools read as octal\n"},
        // A range is of one family
        RefusedRun{"RangeOfTwoFamiliesInTwoWords",
                   {"range", "2001:db8::1", "10.0.0.1"},
                   "netquill-cli: LAST '10.0.0.1': mixes IPv4 and IPv6: both ends of a range are of one family\n"},
        // Names a script can rely on
        RefusedRun{"NameGivenTwice",
                   {"vlsm", "2001:db8::/48", "lan=/56", "lan=/60"},
                   "netquill-cli: REQUEST 'lan=/60': names its subnet 'lan', as REQUEST 'lan=/56' does\n"},
        RefusedRun{"NameNotUtf8",
                   {"vlsm", "10.0.0.0/24", "caf\xE9=3", "--format", "jsonl"},
                   "netquill-cli: REQUEST 'caf\\xe9=3': the name is not UTF-8 text\n"},
        // One zone, as RFC 4007 writes it
        RefusedRun{
            "ZoneWithAPercent",
            {"convert", "fe80::1%eth0%1"},
            "netquill-cli: ADDRESS 'fe80::1%eth0%1': has a '%' inside its zone: one '%' stands before one zone\n"},
        RefusedRun{"ZoneWithABlank",
                   {"convert", "fe80::1%eth 0"},
                   "netquill-cli: ADDRESS 'fe80::1%eth 0': has a blank inside its zone\n"},
        RefusedRun{"UnknownCommand",
                   {"subnet", "10.0.0.0/8"},
                   "netquill-cli: COMMAND 'subnet': must be convert, calc, plan, list, range, aggregate, grep, common, "
                   "except, diff, compare, count, vlsm, ula, eui64, nat64, plan-file or help\n"},
        RefusedRun{"SubnetIdPastFfff",
                   {"ula", "--subnet", "10000"},
                   "netquill-cli: --subnet '10000': must be a subnet ID of 1 to 4 hex digits, 0 to ffff\n"},
        RefusedRun{"SlaacOutsideA64",
                   {"eui64", "00:1a:2b:3c:4d:5e", "2001:db8::/48"},
                   "netquill-cli: PREFIX '2001:db8::/48': must be a /64: SLAAC forms its addresses in a /64\n"},
        RefusedRun{
            "Nat64PrefixOfAnotherLength",
            {"nat64", "2001:db8::/33", "192.0.2.33"},
            "netquill-cli: PREFIX '2001:db8::/33': a NAT64 prefix is /32, /40, /48, /56, /64 or /96 (RFC 6052)\n"},
        RefusedRun{"Nat64AddressOutsideItsPrefix",
                   {"nat64", "64:ff9b::/96", "2001:db8::1"},
                   "netquill-cli: ADDRESS '2001:db8::1': is not under the prefix 64:ff9b::/96\n"},
        RefusedRun{"CloudSubnetTooSmall",
                   {"calc", "10.0.0.1", "30", "--cloud", "azure"},
                   "netquill-cli: MASK '30': Azure subnets are /29 or larger\n"},
        RefusedRun{"CloudSplitTooLarge",
                   {"list", "10.0.0.0/8", "--cloud", "oci"},
                   "netquill-cli: BLOCK/PREFIX '10.0.0.0/8': Oracle Cloud subnets are /16 to /30\n"},
        RefusedRun{"CloudRequestOfAnotherSize",
                   {"vlsm", "10.0.0.0/24", "a=/29", "--cloud", "aws"},
                   "netquill-cli: REQUEST '29': AWS subnets are /16 to /28\n"},
        RefusedRun{"CloudUnknown",
                   {"plan", "10.0.0.0/16", "--cloud", "ibm"},
                   "netquill-cli: --cloud 'ibm': must be aws, azure, gcp or oci\n"},
        RefusedRun{"CloudWithRfc3021",
                   {"vlsm", "10.0.0.0/24", "a=2", "--cloud", "aws", "--rfc3021"},
                   "netquill-cli: --cloud 'aws': cannot be given with --rfc3021: a cloud has no /31 subnets\n"},
        RefusedRun{"CloudForIpv6",
                   {"list", "2001:db8::/32", "--cloud", "aws"},
                   "netquill-cli: --cloud 'aws': is for IPv4 subnets\n"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Files, CliRefuses,
    testing::Values(
        RefusedRun{"Folder", {"aggregate", "/"}, "netquill-cli: FILE '/': Is a directory\n"},
        RefusedRun{"Missing",
                   {"aggregate", "-", "/nonexistent"},
                   "netquill-cli: FILE '/nonexistent': No such file or directory\n"},
        RefusedRun{"ClosedStandardInput", {"aggregate"}, "netquill-cli: FILE '-': Bad file descriptor\n", kClosed},
        RefusedRun{
            "EveryBadLineEscaped",
            {"aggregate"},
            "netquill-cli: -:2: '010.0.0.1': octet 1 has a leading zero, which other tools read as octal\n"
            "netquill-cli: -:3: '\\x1b[2J\\r10.0.0.1': is not an address: four numbers of 0 to 255 joined by dots, "
            "such as 192.168.1.1\n",
            "10.0.0.0/8\n010.0.0.1\n\x1b[2J\r10.0.0.1\n"},
        RefusedRun{"LineOfTwoFamilies",
                   {"aggregate"},
                   "netquill-cli: -:2: '::1 - 10.0.0.1': mixes IPv4 and IPv6: both ends of a range are of one family\n",
                   "10.0.0.0/8\n::1 - 10.0.0.1\n"},
        RefusedRun{"NotText",
                   {"aggregate"},
                   "netquill-cli: -:1: not text (a NUL byte): a UTF-16 or compressed file?\n",
                   std::string_view("1\0", 2)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CliReading, LongLinesAndManyBadOnesInBoundedWords)
{
    // The bound is the entry's: a byte-order mark and CR LF do not count.
    const std::string blanks(netquill::cli::kLongestLine - 8, ' ');
    const std::string longest = "\xEF\xBB\xBF" + blanks + "10.0.0.1\r\n" + blanks + "10.0.0.2\r\n";
    EXPECT_EQ(run({"aggregate"}, longest).out, "10.0.0.1/32\n10.0.0.2/32\n");
    const std::string longLine = "10.0.0.1\n" + blanks + " 10.0.0.2\r\n";
    EXPECT_EQ(run({"aggregate"}, longLine).errors, "netquill-cli: -:2: line longer than 4096 bytes\n");
    std::string bad;
    for (int line = 0; line < 25; ++line)
        bad += std::string(70, 'x') + "\n";
    const CliRun many = run({"aggregate"}, bad);
    EXPECT_EQ(std::count(many.errors.begin(), many.errors.end(), '\n'), 21);
    EXPECT_TRUE(many.errors.starts_with("netquill-cli: -:1: '" + std::string(60, 'x') + "\u2026': is not"));
    EXPECT_TRUE(many.errors.ends_with("netquill-cli: and 5 more\n"));
}

// Every form convert writes of an address reads back as that address.
TEST(CliCopies, ConvertReadsBackEveryFormItWrites)
{
    for (const char *address : {"2001:db8::1", "::ffff:192.0.2.1", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "::1"}) {
        const std::string converted = run({"convert", address}).out;
        const std::string firstLine = converted.substr(0, converted.find('\n'));
        for (const char *label : {"Expanded      : ", "Decimal       : ", "Hexadecimal   : ", "Binary        : "}) {
            const std::size_t at = converted.find(label) + std::string_view(label).size();
            const std::string form = converted.substr(at, converted.find('\n', at) - at);
            const std::string back = run({"convert", form, "--family", "6"}).out;
            EXPECT_EQ(back.substr(0, back.find('\n')), firstLine) << form;
        }
    }
    EXPECT_EQ(run({"convert", "4294967296"}).out, run({"convert", "::1:0:0"}).out);
}

// Each command's help names exactly the JSON keys the command writes, for
// both families.
TEST(CliHelp, ListsTheKeysEachCommandWrites)
{
    const std::regex word("[a-z0-9_]+");
    const auto all = [&word](std::string text, const std::regex &pattern) {
        std::replace(text.begin(), text.end(), '\n', ' ');
        std::set<std::string> found;
        for (auto at = std::sregex_token_iterator(text.begin(), text.end(), pattern, 1); at != decltype(at)(); ++at)
            for (auto key = std::sregex_token_iterator(at->first, at->second, word); key != decltype(key)(); ++key)
                found.insert(*key);
        return found;
    };
    const std::string plan = testing::TempDir() + "keys.nqplan";
    run({"vlsm", "10.0.0.0/30", "a=1", "--save", plan});
    const std::string list = testing::TempDir() + "keys.lst";
    std::FILE *file = std::fopen(list.c_str(), "w");
    std::fputs("::1\n", file);
    std::fclose(file);
    const std::pair<const char *, std::vector<Arguments>> commands[] = {
        {"plan-file", {{"plan-file", plan, "--format", "jsonl"}}},
        {"ula", {{"ula", "--format", "json"}, {"ula", "--subnet", "1", "--format", "json"}}},
        {"eui64", {{"eui64", "00:1a:2b:3c:4d:5e", "--format", "json"}}},
        {"nat64", {{"nat64", "64:ff9b::/96", "192.0.2.33", "--format", "json"}}},
        {"convert", {{"convert", "10.0.0.1", "--format", "json"}, {"convert", "::ffff:1.2.3.4", "--format", "json"}}},
        {"calc", {{"calc", "10.0.0.1/24", "--format", "json"}, {"calc", "::1/64", "--format", "json"}}},
        {"plan", {{"plan", "10.0.0.0/24", "--format", "json"}, {"plan", "::/64", "--format", "json"}}},
        {"list", {{"list", "10.0.0.0/30", "--format", "jsonl"}, {"list", "::/126", "--format", "jsonl"}}},
        {"vlsm", {{"vlsm", "10.0.0.0/24", "a=3", "--format", "jsonl"}, {"vlsm", "::/120", "a=3", "--format", "jsonl"}}},
        {"compare", {{"compare", "-", list, "--format", "jsonl"}}},
        {"count", {{"count", "-", "--format", "jsonl"}}}};
    for (const auto &[command, runs] : commands) {
        std::string written;
        for (const Arguments &arguments : runs)
            written += run(arguments, "10.0.0.0/8\n").out;
        EXPECT_EQ(all(run({"help", command}).out, std::regex("keys: ([a-z0-9_]+(, [a-z0-9_]+)*)")),
                  all(written, std::regex("\"([a-z0-9_]+)\":")))
            << command;
    }
}

// The bash completion offers the commands of the command table, in its
// order, and each command exactly the options its command line takes.
TEST(CliHelp, TheCompletionOffersWhatTheCommandTableTakes)
{
    std::ifstream file(NETQUILL_COMPLETION);
    const std::string script((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto words = [](const std::string &text) {
        std::istringstream in(text);
        return std::vector<std::string>(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
    };
    std::smatch match;
    ASSERT_TRUE(std::regex_search(script, match, std::regex("local commands=\"([^\"]*)\"")));
    std::vector<std::string> names;
    for (const auto &command : netquill::cli::commands())
        names.emplace_back(command.name);
    EXPECT_EQ(words(match[1]), names);
    std::string plan = "--rfc3021 --cloud";
    for (const std::string_view option : netquill::cli::planOptionNames())
        plan += " " + std::string(option);
    std::map<std::string, std::set<std::string>> offered;
    const std::regex caseLine("\n +([a-z0-9|-]+)\\) options=\"([^\"]*)\"");
    for (auto at = std::sregex_iterator(script.begin(), script.end(), caseLine); at != std::sregex_iterator(); ++at) {
        const std::string options = std::regex_replace((*at)[2].str(), std::regex("\\$plan"), plan);
        for (const std::string &name : words(std::regex_replace((*at)[1].str(), std::regex("\\|"), " ")))
            for (const std::string &option : words(options))
                offered[name].insert(option);
        for (const std::string &name : words(std::regex_replace((*at)[1].str(), std::regex("\\|"), " ")))
            offered[name];  // a command offered no option is there too
    }
    for (const auto &command : netquill::cli::commands()) {
        if (command.name == "help")
            continue;
        std::set<std::string> takes;
        for (const auto *kind : {&command.options, &command.flags, &command.repeatable})
            takes.insert(kind->begin(), kind->end());
        EXPECT_EQ(offered[std::string(command.name)], takes) << command.name;
    }
}

// A fault of netquill-cli's own is said as one, with a status of its own.
TEST(CliFaults, AnEscapedExceptionIsAnInternalError)
{
    struct BrokenOutput : netquill::cli::Output {
        bool writeBlock(std::string_view) override { throw std::logic_error("the output broke"); }
    } out;
    std::ostringstream errors;
    EXPECT_EQ(netquill::cli::runCli({"convert", "1"}, out, -1, errors), netquill::cli::kInternalError);
    EXPECT_EQ(errors.str(), "netquill-cli: internal error: the output broke\n");
}

TEST(CliHelp, UsageHelpAndTheProjectsVersion)
{
    const CliRun bare = run({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_TRUE(bare.out.empty() && bare.errors.starts_with("usage: netquill-cli COMMAND"));
    EXPECT_EQ(run({"help", "vlsm"}).out, run({"vlsm", "--help"}).out);
    EXPECT_TRUE(run({"help", "help"}).out.starts_with("usage: netquill-cli help [COMMAND]\n"));
    EXPECT_EQ(run({"list", "--version"}).out, std::string("netquill-cli ") + netquill::kVersion + "\n");
}

}  // namespace
