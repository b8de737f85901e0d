#include "core/address/uniquelocal.h"

#include "core/address/count.h"

#include <sys/random.h>

#include <cerrno>
#include <stdexcept>

namespace netquill {

namespace {

constexpr Uint128 kLocallyAssigned = Uint128{0xFD} << 120;  // fc00::/7 with the L bit set

}  // namespace

std::uint64_t randomGlobalId()
{
    std::uint64_t drawn = 0;
    auto *bytes = reinterpret_cast<unsigned char *>(&drawn);
    for (std::size_t got = 0; got < sizeof drawn;) {
        const ssize_t read = getrandom(bytes + got, sizeof drawn - got, 0);
        if (read < 0 && errno != EINTR)
            throw std::runtime_error("the system's random source cannot be read");
        got += read > 0 ? static_cast<std::size_t>(read) : 0;
    }
    return drawn & kLargestGlobalId;
}

Ipv6Block uniqueLocalPrefix(std::uint64_t globalId)
{
    return {Ipv6Address(kLocallyAssigned | Uint128{globalId & kLargestGlobalId} << 80), 48};
}

Ipv6Block uniqueLocalSubnet(std::uint64_t globalId, unsigned subnetId)
{
    return {Ipv6Address(uniqueLocalPrefix(globalId).network.value() | Uint128{subnetId & kLargestSubnetId} << 64), 64};
}

std::string globalIdText(std::uint64_t globalId) { return hexDigits(globalId, 10); }

std::string subnetIdText(unsigned subnetId) { return hexDigits(subnetId, 4); }

std::optional<UniqueLocalParts> uniqueLocalPartsOf(Ipv6Address address)
{
    if ((address.value() >> 120) != 0xFD)
        return std::nullopt;
    return UniqueLocalParts{static_cast<std::uint64_t>(address.value() >> 80) & kLargestGlobalId,
                            static_cast<unsigned>(address.value() >> 64) & kLargestSubnetId};
}

}  // namespace netquill
