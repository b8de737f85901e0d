#pragma once

#include "core/calculators/ipv6calculator.h"
#include "core/lines/answer.h"

// What netquill-cli calc writes for an IPv6 address, and what the "IPv6" tab
// copies: one text, so that the two never differ.
namespace netquill {

Answer ipv6Answer(const Ipv6Texts &texts, LineEnd lineEnd);

// The address with its zone as the text answer shows it ("fe80::1%eth0"),
// the zone's control bytes escaped.
std::string shownIpv6Address(const Ipv6Texts &texts);

}  // namespace netquill
