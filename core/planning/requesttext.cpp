#include "core/planning/requesttext.h"

#include "core/planning/vlsm.h"

#include <algorithm>

namespace netquill {

Parsed<WrittenRequest> splitRequest(std::string_view text)
{
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos)
        return WrittenRequest{{}, text};
    if (equals == 0)
        return Parsed<WrittenRequest>::refused("must be AMOUNT or NAME=AMOUNT with a name before the =");
    return WrittenRequest{text.substr(0, equals), text.substr(equals + 1)};
}

std::string_view amountNumber(std::string_view amount)
{
    return amount.starts_with('/') ? amount.substr(1) : amount;
}

template <typename Address>
Parsed<int> requestedLength(std::string_view amount, bool rfc3021)
{
    if (amount.starts_with('/')) {
        const auto length = parseWholeNumber(amount.substr(1), Count(0), Count(Address::kBits));
        return length ? Parsed<int>(static_cast<int>(length->value())) : Parsed<int>::refused(length.reason());
    }
    if constexpr (Address::kBits == 32) {
        const auto hosts = parseWholeNumber(amount, Count(1), Count(kMostUsableHosts));
        if (!hosts)
            return Parsed<int>::refused(hosts.reason());
        // Every count of hosts up to the most a /0 holds has its prefix.
        return smallestPrefixHolding(static_cast<std::uint64_t>(hosts->value()), rfc3021)->bits();
    } else {
        const auto addresses = parseWholeNumber(amount, Count(1), Count(~Uint128{0}));
        if (!addresses)
            return Parsed<int>::refused(addresses.reason());
        return 128 - bitWidth(addresses->lessOne());
    }
}

template Parsed<int> requestedLength<Ipv4Address>(std::string_view, bool);
template Parsed<int> requestedLength<Ipv6Address>(std::string_view, bool);

Parsed<std::vector<Plan::Request>> parseRequestLines(std::string_view text, bool ipv6, bool rfc3021)
{
    std::vector<Plan::Request> requests;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::string_view entry = withoutBlanksAround(line);
        if (entry.empty())
            continue;
        const auto refused = [&](const std::string &reason) {
            return Parsed<std::vector<Plan::Request>>::refused("line " + std::to_string(lineNumber) + ": " + reason);
        };
        const auto written = splitRequest(entry);
        if (!written)
            return refused(written.reason());
        const std::string_view amount = withoutBlanksAround(written->amount);
        const auto length =
            ipv6 ? requestedLength<Ipv6Address>(amount, rfc3021) : requestedLength<Ipv4Address>(amount, rfc3021);
        if (!length)
            return refused("'" + std::string(amountNumber(amount)) + "' " + length.reason());
        const std::string_view name = withoutBlanksAround(written->name);
        Plan::Request request{name.empty() ? std::to_string(requests.size() + 1) : std::string(name), *length,
                              std::string(amount)};
        if (std::any_of(requests.begin(), requests.end(),
                        [&](const Plan::Request &earlier) { return earlier.name == request.name; }))
            return refused("the name '" + request.name + "' is given twice" +
                           (name.empty() ? " (an unnamed request is named by its place)" : ""));
        requests.push_back(std::move(request));
    }
    if (requests.empty())
        return Parsed<std::vector<Plan::Request>>::refused("no request is given");
    return requests;
}

}  // namespace netquill
