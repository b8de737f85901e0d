#pragma once

#include "core/lines/rowformat.h"
#include "core/planning/plan.h"

#include <string>
#include <string_view>

// A plan in the CSV files IPAM systems import, every node of every tree,
// parents before children (each system finds the nesting by containment):
//
// - NetBox, prefixes (IPAM > Prefixes > Import): prefix,status,description,
//   and vlan (by VID, which must exist in NetBox) only where some block has one.
// - phpIPAM, subnets (Administration > Import / Export): section,subnet,
//   description, and vlan where some block has one; the section must exist.
//   phpIPAM refuses ; ' and " in a description, and reads a record a line.
// - Infoblox (CSV Import): a header row before the first row of each object
//   type, split nodes as network containers and leaves as networks;
//   address*,netmask*,comment for IPv4, address*,cidr*,comment for IPv6.
//
// A block's name and note make one description: "name | note", the name
// alone, or "| note".
namespace netquill {

enum class IpamFormat { NetBox, PhpIpam, Infoblox };

inline constexpr std::string_view kDescriptionSeparator = " | ";
std::string ipamDescription(const BlockDetails &details);

// phpIPAM's description: ; becomes , and the quotes ' and " their typographic
// ’ and ”; a TAB or line break a space.
std::string phpIpamDescription(std::string_view description);

// The file, `section` naming phpIPAM's section (the other formats have none).
std::string ipamExportText(const Plan &plan, IpamFormat format, std::string_view section, LineEnd lineEnd);

}  // namespace netquill
