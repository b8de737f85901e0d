// Import List over any bytes, an IPAM system's CSV or an address list: it
// refuses and leaves the plan empty, or imports a plan whose NetBox file
// imports back to the same file, and whose plan file reads back.
#include "core/files/planfile.h"
#include "core/ipam/importfile.h"
#include "core/ipam/ipamexport.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    netquill::Plan plan;
    netquill::Complaints complaints;
    if (netquill::importIntoPlan(plan, std::string_view(reinterpret_cast<const char *>(data), size), complaints)) {
        FUZZ_CHECK(plan.nodeCount() == 0);
        return 0;
    }
    const auto netBoxFile = [](const netquill::Plan &of) {
        return netquill::ipamExportText(of, netquill::IpamFormat::NetBox, "", netquill::LineEnd::LF);
    };
    netquill::Plan again;
    FUZZ_CHECK(!netquill::importIntoPlan(again, netBoxFile(plan), complaints) && netBoxFile(again) == netBoxFile(plan));
    FUZZ_CHECK(netquill::readPlanFile(netquill::planFileText(plan)));
    return 0;
}
