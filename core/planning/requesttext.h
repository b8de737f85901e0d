#pragma once

#include "core/address/addresstext.h"
#include "core/planning/plan.h"

#include <string_view>
#include <vector>

// Requests for subnets as netquill-cli vlsm and the plan window take them:
// AMOUNT or NAME=AMOUNT, the amount in usable hosts for IPv4, in addresses
// for IPv6, or "/LENGTH" for either.
namespace netquill {

struct WrittenRequest {
    std::string_view name;  // empty where none was written
    std::string_view amount;
};
// The text split at its last "=", refused where no name stands before it.
Parsed<WrittenRequest> splitRequest(std::string_view text);

// The number a refusal of an amount quotes: the length after "/", else the amount.
std::string_view amountNumber(std::string_view amount);

// The prefix length an amount asks for: "/LENGTH", or the smallest subnet
// that holds AMOUNT usable hosts (IPv4; a /31 holds 2 with RFC 3021) or
// AMOUNT addresses (IPv6).
template <typename Address>
Parsed<int> requestedLength(std::string_view amount, bool rfc3021);

// The plan window's requests, one a line; blank lines are skipped and an
// unnamed request is named by its place ("1", "2", ...). A name stands for
// one subnet, so each is given once. Refused as "line 3: ...".
Parsed<std::vector<Plan::Request>> parseRequestLines(std::string_view text, bool ipv6, bool rfc3021);

}  // namespace netquill
