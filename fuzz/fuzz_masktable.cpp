// The plan lists of any prefix text: 33 − p entries of one plan per position for
// a prefix of 1 to 32, nothing for any other; and every choice in any list
// links all five to one plan.
#include "fuzzcheck.h"
#include "masktable.h"
#include "subnetcalculator.h"

#include <charconv>
#include <cstdint>

using netquill::PlanList;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    int prefix = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), prefix);
    if (parsed.ec != std::errc())
        prefix = 0;
    const netquill::PlanLists lists = netquill::planListsFor(prefix);
    if (prefix < 1 || prefix > 32) {
        FUZZ_CHECK(lists.subnetMasks.empty() && lists.hostsPerSubnet.empty() && lists.numberOfSubnets.empty());
        return 0;
    }
    const int entries = 33 - prefix;
    FUZZ_CHECK(static_cast<int>(lists.subnetMasks.size()) == entries);
    for (const auto *list : {&lists.maskBits, &lists.inverseMasks, &lists.binaryMasks, &lists.numberOfSubnets,
                             &lists.hostBits, &lists.hostsPerSubnet})
        FUZZ_CHECK(static_cast<int>(list->size()) == entries);

    const std::size_t chosen = parsed.ptr < text.data() + text.size() ? static_cast<unsigned char>(*parsed.ptr) : 0;
    const auto chosenList = static_cast<PlanList>(chosen % netquill::kPlanListCount);
    const int entry = static_cast<int>(chosen / netquill::kPlanListCount) % entries;
    const netquill::PlanEntries plan = netquill::linkedPlanEntries(chosenList, entry, entries);
    const int maskBits = std::stoi(lists.maskBits.at(static_cast<std::size_t>(plan[1])));
    FUZZ_CHECK(lists.subnetMasks.at(static_cast<std::size_t>(plan[0])) == netquill::MaskTable(maskBits).dotted);
    FUZZ_CHECK(lists.numberOfSubnets.at(static_cast<std::size_t>(plan[2])) ==
               std::to_string(std::uint64_t{1} << (maskBits - prefix)));
    FUZZ_CHECK(lists.hostBits.at(static_cast<std::size_t>(plan[3])) == std::to_string(32 - maskBits));
    FUZZ_CHECK(lists.hostsPerSubnet.at(static_cast<std::size_t>(plan[4])) == netquill::HostsPerSubnetText(32 - maskBits));
    FUZZ_CHECK(plan[static_cast<std::size_t>(chosenList)] == entry);
    return 0;
}
