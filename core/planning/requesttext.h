#pragma once

#include "core/planning/hostrule.h"
#include "core/planning/plan.h"

#include <functional>
#include <string>
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

// Why a name cannot name a subnet, empty where it can: "(free)", which
// names the space no request took; text that is not UTF-8, which JSON cannot
// hold; a control character (a TAB, a line break), which breaks the rows of
// tsv and txt and the lines of a list.
std::string nameProblem(std::string_view name);

// The number a refusal of an amount quotes: the length after "/", else the amount.
std::string_view amountNumber(std::string_view amount);

// The prefix length an amount asks for: "/LENGTH", or the smallest subnet
// that holds AMOUNT usable hosts under the rule (IPv4) or AMOUNT addresses
// (IPv6). In a cloud, a length the provider has no subnet of is refused.
template <typename Address>
Parsed<int> requestedLength(std::string_view amount, const HostRule &rule);

// Where a refusal points: the entry's place and the text it quotes, as its
// reader words it ("REQUEST 'a=0'", "line 3, '0'").
using RequestPlace = std::function<std::string(std::size_t entry, std::string_view quoted)>;

// Requests as netquill-cli vlsm and the plan window read them, each entry
// AMOUNT or NAME=AMOUNT with blanks allowed around either; an unnamed request
// is named by its place ("1", "2", ...). A name stands for one subnet, so
// each is given once, and must be fit for a name (nameProblem). Refused as
// "<place>: reason".
Parsed<std::vector<SubnetRequest>> readRequests(const std::vector<std::string_view> &entries, Family family,
                                                const HostRule &rule, const RequestPlace &place);

// The plan window's requests, one a line; blank lines are skipped. Refused
// as "line 3, '0': reason".
Parsed<std::vector<SubnetRequest>> parseRequestLines(std::string_view text, Family family, const HostRule &rule);

}  // namespace netquill
