#include "core/ipam/importfile.h"

#include "core/files/addresslist.h"
#include "core/ipam/ipamimport.h"
#include "core/planning/rangesets.h"

namespace netquill {

Refused importIntoPlan(Plan &plan, std::string_view text, Complaints &complaints)
{
    if (ipamSourceOf(text)) {
        const auto blocks = readIpamBlocks(text, plan);
        if (!blocks)
            return blocks.refusal();
        if (blocks->empty())
            return Refusal("holds no prefix");
        return plan.importBlocks(*blocks);
    }
    const auto blocks = coveringBlocks(readAddressList(text, complaints));
    if (complaints.any())
        return Refusal(std::to_string(complaints.count()) + (complaints.count() == 1 ? " line is" : " lines are") +
                       " no address, block or range");
    if (blocks.empty())
        return Refusal("holds no address");
    return plan.addRoots(blocks);
}

}  // namespace netquill
