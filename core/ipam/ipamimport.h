#pragma once

#include "core/planning/plan.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// Prefixes read back from the CSV files IPAM systems write, recognised by
// their header rows:
//
// - NetBox's prefix import (the keys: prefix, status, description, vlan,
//   vrf, tenant, site, scope_type, scope_id, vlan_group, role, is_pool,
//   mark_utilized, comments, tags, id, and custom fields cf_...), and its
//   prefix list exported as CSV (the labels: Prefix or Prefix (Flat),
//   Status, Description, VLAN as "name (VID)", and ID, Depth, Children, VRF,
//   Utilization, Tenant, Tenant Group, Site, Scope, Scope Type, VLAN Group,
//   Role, Pool, Marked Utilized, Contacts, Comments, Tags, Created, Last updated).
// - phpIPAM's subnet export saved as CSV, or its import's columns: Section,
//   Subnet ("a.b.c.d/len", or the address with a Mask column), Mask,
//   Description, VLAN ("NA" for none), VLAN Domain or Domain, VRF, Master
//   Subnet, Requests, Host check, Discover, Customer; folders are skipped.
//
// Each prefix carries its description as a name and a note (as ipamDescription
// joins them), its status and its VLAN; the other columns are read past.
namespace netquill {

enum class IpamSource { NetBox, PhpIpam };

// The system whose header row the text starts with; nothing for any other
// text (an address list).
std::optional<IpamSource> ipamSourceOf(std::string_view text);

// The prefixes for Plan::importBlocks. A description whose name part the
// plan or an earlier row holds, or which is no fit name, is kept whole as
// the note. Refused as "line N: reason": a header the format does not have
// (named), a prefix given twice (both lines named), a value that is not one.
Parsed<std::vector<std::pair<AnyBlock, BlockDetails>>> readIpamBlocks(std::string_view text, const Plan &plan);

}  // namespace netquill
