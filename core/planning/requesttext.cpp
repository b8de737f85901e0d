#include "core/planning/requesttext.h"

#include "core/planning/vlsm.h"

#include <algorithm>
#include <unordered_map>

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

std::string nameProblem(std::string_view name)
{
    if (name == "(free)")
        return "the name (free) is kept for the rows of the space left over";
    if (!isUtf8(name))
        return "the name is not UTF-8 text";
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "a name cannot hold a TAB, a line break or another control character";
    return {};
}

std::string_view amountNumber(std::string_view amount) { return amount.starts_with('/') ? amount.substr(1) : amount; }

template <typename Address>
Parsed<int> requestedLength(std::string_view amount, const HostRule &rule)
{
    if (amount.starts_with('/')) {
        const auto length = parseWholeNumber(amount.substr(1), Count(0), Count(Address::kBits));
        if (!length)
            return Parsed<int>::refused(length.reason());
        const int bits = static_cast<int>(length->value());
        if constexpr (Address::kBits == 32)
            if (std::string refusal = rule.sizeRefusal(Prefix(bits)); !refusal.empty())
                return Parsed<int>::refused(std::move(refusal));
        return bits;
    }
    if constexpr (Address::kBits == 32) {
        const std::uint64_t most = rule.mostRequestableHosts(Prefix(0));
        const auto hosts = parseWholeNumber(amount, Count(1), Count(most));
        if (!hosts)
            return Parsed<int>::refused(rule.cloud() ? hosts.reason() + " (" + cloudSizeRule(*rule.cloud()) + ")"
                                                     : hosts.reason());
        return rule.smallestPrefixHolding(static_cast<std::uint64_t>(hosts->value()))->bits();
    } else {
        const auto addresses = parseWholeNumber(amount, Count(1), Count(~Uint128{0}));
        if (!addresses)
            return Parsed<int>::refused(addresses.reason());
        return 128 - bitWidth(addresses->lessOne());
    }
}

template Parsed<int> requestedLength<Ipv4Address>(std::string_view, const HostRule &);
template Parsed<int> requestedLength<Ipv6Address>(std::string_view, const HostRule &);

Parsed<std::vector<SubnetRequest>> readRequests(const std::vector<std::string_view> &entries, Family family,
                                                const HostRule &rule, const RequestPlace &place)
{
    std::vector<SubnetRequest> requests;
    std::unordered_map<std::string, std::size_t> entryOfName;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string_view text = entries[k];
        const auto refused = [&](std::string_view quoted, const std::string &reason) {
            return Parsed<std::vector<SubnetRequest>>::refused(place(k, quoted) + ": " + reason);
        };
        const auto written = splitRequest(text);
        if (!written)
            return refused(text, written.reason());
        const std::string_view name = withoutBlanksAround(written->name);
        if (const std::string problem = nameProblem(name); !problem.empty())
            return refused(text, problem);
        const std::string_view amount = withoutBlanksAround(written->amount);
        const auto length = family == Family::Ipv6 ? requestedLength<Ipv6Address>(amount, rule)
                                                   : requestedLength<Ipv4Address>(amount, rule);
        if (!length)
            return refused(amountNumber(amount), length.reason());
        SubnetRequest request{name.empty() ? std::to_string(k + 1) : std::string(name), *length, std::string(amount)};
        // Each name once, looked up rather than compared with every earlier one.
        if (const auto [earlier, first] = entryOfName.try_emplace(request.name, k); !first)
            return refused(text, "names its subnet '" + request.name + "', as " +
                                     place(earlier->second, entries[earlier->second]) + " does" +
                                     (name.empty() ? " (an unnamed request is named by its place)" : ""));
        requests.push_back(std::move(request));
    }
    return requests;
}

Parsed<std::vector<SubnetRequest>> parseRequestLines(std::string_view text, Family family, const HostRule &rule)
{
    std::vector<std::string_view> entries;
    std::vector<std::size_t> lineNumbers;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (const std::string_view entry = withoutBlanksAround(line); !entry.empty()) {
            entries.push_back(entry);
            lineNumbers.push_back(lineNumber);
        }
    }
    if (entries.empty())
        return Parsed<std::vector<SubnetRequest>>::refused("no request is given");
    return readRequests(entries, family, rule, [&](std::size_t entry, std::string_view quoted) {
        return "line " + std::to_string(lineNumbers[entry]) + ", '" + std::string(quoted) + "'";
    });
}

}  // namespace netquill
