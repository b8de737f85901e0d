#include "cli/commandfiles.h"

#include "cli/addresslists.h"
#include "cli/fileparts.h"
#include "cli/values.h"
#include "core/lines/celltable.h"
#include "core/lines/jsontext.h"

#include <algorithm>
#include <array>

namespace netquill::cli {

namespace {

constexpr const char *kListOperands =
    "Each LIST is a file, or - for standard input, read as aggregate reads its FILEs: addresses,\n"
    "blocks and ranges of both families, one a line. The answer is written as aggregate writes\n"
    "it: the fewest CIDR blocks, or with --ranges first-last ranges, IPv4 first; --family keeps\n"
    "one family; --threads N reads a large LIST on N threads, as aggregate does.\n";

}  // namespace

const std::string kCommonHelp = std::string("usage: netquill-cli common [--ranges] [--family 4|6] LIST LIST...\n"
                                            "Prints the addresses that are in every LIST.\n") +
                                kListOperands;

const std::string kExceptHelp =
    std::string("usage: netquill-cli except [--ranges] [--family 4|6] LIST LIST...\n"
                "Prints the addresses of the first LIST that are in none of the others.\n") +
    kListOperands;

const std::string kDiffHelp =
    std::string("usage: netquill-cli diff [--ranges] [--family 4|6] [-q] LIST LIST\n"
                "Prints the addresses that are in exactly one of the two LISTs. Status 0 when they hold\n"
                "the same addresses, 1 when they differ; -q (--quiet) prints nothing, for scripts.\n") +
    kListOperands;

const std::string kCompareHelp =
    std::string("usage: netquill-cli compare [--format tsv|csv|txt|html|jsonl] [--no-header] [--family 4|6]\n"
                "                            LIST LIST...\n"
                "For each pair of LISTs, in the order given, and each family: how many addresses are in\n"
                "both, only in the first and only in the second, exact up to 2^128. Columns: First,\n"
                "Second, Family, Both, Only First, Only Second; jsonl keys: first_list, second_list,\n"
                "family, in_both, only_in_first, only_in_second (the counts strings of digits).\n") +
    kListOperands;

const std::string kCountHelp =
    std::string("usage: netquill-cli count [--format tsv|csv|txt|html|jsonl] [--no-header] [--family 4|6]\n"
                "                          LIST...\n"
                "For each LIST and each family: how many addresses it holds, exact up to 2^128, and how\n"
                "many blocks the fewest that cover them are. Columns: List, Family, Addresses, Blocks;\n"
                "jsonl keys: list, family, addresses, block_count; addresses is a string of digits.\n") +
    kListOperands;

namespace {

// The LIST operands: at least `least`, at most `most`, standard input once.
std::vector<std::string_view> listOperands(const CommandLine &line, std::size_t least, std::size_t most)
{
    if (line.positionals.size() < least)
        throw UsageError(least == 1 ? "LIST is missing" : "two LISTs are needed");
    refuseWordsAfter(line, most, "the second LIST");
    if (std::count(line.positionals.begin(), line.positionals.end(), "-") > 1)
        refuse("LIST", "-", "is given twice: standard input is read once");
    return line.positionals;
}

// Each list read, merged, and handed to `take`; every bad line of every list is reported.
template <typename Take>
bool readLists(const std::vector<std::string_view> &sources, const CommandLine &line, Streams &streams, Take take)
{
    Complaints complaints;
    const unsigned threads = threadsOption(line);
    for (std::size_t k = 0; k < sources.size(); ++k)
        take(k, readMergedList({sources[k]}, streams.standardInput, complaints, threads));
    if (complaints.any())
        streams.errors << complaints.report();
    return !complaints.any();
}

// The same operation on each family of two lists.
template <typename Operation>
AnyRangeSet eachFamily(const AnyRangeSet &a, const AnyRangeSet &b, Operation operation)
{
    return {operation(a.ipv4, b.ipv4), operation(a.ipv6, b.ipv6)};
}

// The first list folded with each of the others, then written.
template <typename Operation>
int foldCommand(const CommandLine &line, Streams &streams, Operation operation)
{
    familyOption(line);  // refused before any input is read
    AnyRangeSet answer;
    if (!readLists(listOperands(line, 2, line.positionals.size()), line, streams, [&](std::size_t k, AnyRangeSet list) {
            answer = k == 0 ? std::move(list) : eachFamily(answer, list, operation);
        }))
        return kRefused;
    writeMergedList(answer, line, streams);
    return kDone;
}

std::vector<AnyRangeSet> allLists(const std::vector<std::string_view> &sources, const CommandLine &line,
                                  Streams &streams, bool &read)
{
    std::vector<AnyRangeSet> lists;
    read = readLists(sources, line, streams, [&](std::size_t, AnyRangeSet list) { lists.push_back(std::move(list)); });
    return lists;
}

// A table of counts, one row per list or pair and family kept.
class CountTable
{
public:
    CountTable(const CommandLine &line, Streams &streams, std::vector<std::string_view> headings)
        : m_cells(rowFormatOption(line), streams.lineEnd, std::move(headings)), m_families(familyOption(line)),
          m_streams(streams)
    {
        if (!line.has("--no-header") || m_cells.format() == RowFormat::HTML)
            m_streams.out.buffer() += m_cells.tableStart();
    }
    ~CountTable() { m_streams.out.buffer() += m_cells.tableEnd(); }

    template <typename Address>
    bool keeps() const
    {
        return m_families.of<Address>();
    }
    // The row's cells, or its JSON object for jsonl.
    void add(std::initializer_list<std::string_view> cells, const JsonObject &object)
    {
        std::string &out = m_streams.out.buffer();
        if (m_cells.format() == RowFormat::JSONL)
            out.append(object.json()).append(m_cells.eol());
        else
            m_cells.appendRow(out, cells);
        m_streams.out.flushWhenFull();
    }

private:
    CellTable m_cells;
    Families m_families;
    Streams &m_streams;
};

// What count keeps of each list's family.
struct Size {
    std::string addresses;
    std::size_t blocks;
};
template <typename>
using SizeOfFamily = Size;

}  // namespace

int commonCommand(const CommandLine &line, Streams &streams)
{
    return foldCommand(line, streams, [](const auto &a, const auto &b) { return intersection(a, b); });
}

int exceptCommand(const CommandLine &line, Streams &streams)
{
    return foldCommand(line, streams, [](const auto &a, const auto &b) { return difference(a, b); });
}

int diffCommand(const CommandLine &line, Streams &streams)
{
    familyOption(line);
    bool read = false;
    const std::vector<AnyRangeSet> lists = allLists(listOperands(line, 2, 2), line, streams, read);
    if (!read)
        return kRefused;
    const AnyRangeSet differing =
        eachFamily(lists[0], lists[1], [](const auto &a, const auto &b) { return symmetricDifference(a, b); });
    const Families families = familyOption(line);
    bool differ = false;
    forEachFamily([&]<typename Address>() { differ |= families.of<Address>() && !differing.of<Address>().empty(); });
    if (!line.has("-q") && !line.has("--quiet"))
        writeMergedList(differing, line, streams);
    return differ ? kNoAnswer : kDone;
}

int compareCommand(const CommandLine &line, Streams &streams)
{
    familyOption(line);
    const std::vector<std::string_view> sources = listOperands(line, 2, line.positionals.size());
    bool read = false;
    const std::vector<AnyRangeSet> lists = allLists(sources, line, streams, read);
    if (!read)
        return kRefused;
    CountTable table(line, streams, {"First", "Second", "Family", "Both", "Only First", "Only Second"});
    for (std::size_t i = 0; i < lists.size(); ++i)
        for (std::size_t j = i + 1; j < lists.size(); ++j)
            forEachFamily([&]<typename Address>() {
                if (!table.keeps<Address>())
                    return;
                const auto &a = lists[i].of<Address>();
                const auto &b = lists[j].of<Address>();
                const std::string both = addressCount(intersection(a, b)).text();
                const std::string onlyFirst = addressCount(difference(a, b)).text();
                const std::string onlySecond = addressCount(difference(b, a)).text();
                const std::string_view family = AddressFamily<Address>::kName;
                JsonObject object;
                object.text("first_list", sources[i])
                    .text("second_list", sources[j])
                    .text("family", family)
                    .text("in_both", both)
                    .text("only_in_first", onlyFirst)
                    .text("only_in_second", onlySecond);
                table.add({sources[i], sources[j], family, both, onlyFirst, onlySecond}, object);
            });
    return kDone;
}

int countCommand(const CommandLine &line, Streams &streams)
{
    familyOption(line);
    const std::vector<std::string_view> sources = listOperands(line, 1, line.positionals.size());
    // Only the counts are kept, each list's as it is read: nothing is printed until all are read.
    std::vector<ForBothFamilies<SizeOfFamily>> sizes;
    if (!readLists(sources, line, streams, [&](std::size_t, const AnyRangeSet &list) {
            sizes.push_back({Size{addressCount(list.ipv4).text(), blockCount(list.ipv4)},
                             Size{addressCount(list.ipv6).text(), blockCount(list.ipv6)}});
        }))
        return kRefused;
    CountTable table(line, streams, {"List", "Family", "Addresses", "Blocks"});
    for (std::size_t k = 0; k < sources.size(); ++k)
        forEachFamily([&]<typename Address>() {
            if (!table.keeps<Address>())
                return;
            const Size &size = sizes[k].of<Address>();
            const std::string_view family = AddressFamily<Address>::kName;
            JsonObject object;
            object.text("list", sources[k])
                .text("family", family)
                .text("addresses", size.addresses)
                .number("block_count", size.blocks);
            table.add({sources[k], family, size.addresses, std::to_string(size.blocks)}, object);
        });
    return kDone;
}

}  // namespace netquill::cli
