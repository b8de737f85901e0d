#pragma once

#include "core/address/anyaddress.h"

#include <optional>
#include <string>
#include <string_view>

// What a block of a plan carries, in the words of the IPAM systems plans
// end in: a name and a note, a status (NetBox's four), a VLAN id and a
// colour; a leaf may also keep the request it was placed for and a pairing
// with a leaf of the other family (dual stack).
namespace netquill {

enum class BlockStatus { Container, Active, Reserved, Deprecated };
inline constexpr BlockStatus kStatuses[] = {BlockStatus::Container, BlockStatus::Active, BlockStatus::Reserved,
                                            BlockStatus::Deprecated};
// "container", "active", "reserved", "deprecated": NetBox's import values.
std::string_view statusName(BlockStatus status);
// A status by its name, in any case ("Active", NetBox's export label, too).
std::optional<BlockStatus> readStatus(std::string_view text);

// A small fixed palette, each colour a mid tone that shows on light and dark backgrounds alike.
enum class BlockColour { Red, Orange, Yellow, Green, Teal, Blue, Purple, Grey };
inline constexpr BlockColour kColours[] = {BlockColour::Red,    BlockColour::Orange, BlockColour::Yellow,
                                           BlockColour::Green,  BlockColour::Teal,   BlockColour::Blue,
                                           BlockColour::Purple, BlockColour::Grey};
// "red", "orange", ...
std::string_view colourName(BlockColour colour);
std::optional<BlockColour> readColour(std::string_view text);

// IEEE 802.1Q: VLAN ids 0 and 4095 are reserved.
inline constexpr int kLowestVlan = 1;
inline constexpr int kHighestVlan = 4094;
// A VLAN id in decimal digits, 1 to 4094; nothing for any other text.
std::optional<int> readVlan(std::string_view text);

struct BlockDetails {
    std::string name;
    std::string note;
    std::string request;  // hosts for IPv4, "/64" or an address count for IPv6, as the user wrote it
    std::optional<AnyBlock> paired;
    std::optional<BlockStatus> status;  // only where it differs from the block's default (defaultStatus)
    std::optional<int> vlan;
    std::optional<BlockColour> colour;

    bool carriesAnything() const
    {
        return !name.empty() || !note.empty() || !request.empty() || paired || status || vlan || colour;
    }
    // A leaf in use: it carries anything but a colour, which only marks it.
    // A leaf not in use is free, for requests, claims and splits.
    bool inUse() const { return !name.empty() || !note.empty() || !request.empty() || paired || status || vlan; }
    // What only a leaf can carry: a subnet is placed for a request, and paired.
    bool carriesLeafOnly() const { return !request.empty() || paired; }
    bool operator==(const BlockDetails &) const = default;
};

// A split node is a container; a leaf in use for more than its status is
// active; a free leaf is space held for later, a container too.
BlockStatus defaultStatus(const BlockDetails &details, bool leaf);
inline BlockStatus statusOf(const BlockDetails &details, bool leaf)
{
    return details.status.value_or(defaultStatus(details, leaf));
}

}  // namespace netquill
