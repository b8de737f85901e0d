#pragma once

#include "core/address/count.h"
#include "core/address/ipv4.h"
#include "core/address/ipv6.h"
#include "core/address/range.h"

#include <stdexcept>
#include <string>

// A CIDR block of either family: a network address and a prefix length, the
// addresses that share the network's first `length` bits.
namespace netquill {

template <typename Address>
struct Block {
    using Value = typename Address::Value;

    Address network;
    int length = 0;

    constexpr Block() = default;
    // Any other length is a fault of the caller's, stopped here rather than shifted by.
    constexpr Block(Address networkAddress, int prefixLength) : network(networkAddress), length(prefixLength)
    {
        if (prefixLength < 0 || prefixLength > Address::kBits)
            throw std::out_of_range("a prefix of " + std::to_string(prefixLength) + " bits");
    }

    static constexpr Value maskOf(int length)
    {
        return length == 0 ? 0 : static_cast<Value>(~Value{0} << (Address::kBits - length));
    }
    // The block of the length that holds the address.
    static constexpr Block containing(Address address, int length)
    {
        return {Address(address.value() & maskOf(length)), length};
    }

    constexpr Address first() const { return network; }
    // The last address: an IPv4 block's broadcast address.
    constexpr Address last() const { return Address(network.value() | static_cast<Value>(~maskOf(length))); }
    constexpr Range<Address> range() const { return {network, last()}; }
    // How many addresses, 2^128 for ::/0.
    constexpr Count size() const { return Count::powerOfTwo(Address::kBits - length); }
    constexpr bool contains(Address address) const { return (address.value() & maskOf(length)) == network.value(); }
    // The IPv4 mask of the length.
    constexpr Prefix prefix() const requires(Address::kBits == 32) { return Prefix(length); }

    // "10.0.0.0/8", "2001:db8::/32".
    std::string text() const
    {
        std::string out;
        appendText(out);
        return out;
    }
    void appendText(std::string &out) const
    {
        char text[48];
        char *end = network.writeText(text);
        *end++ = '/';
        if (length >= 100)
            *end++ = '1';
        if (length >= 10)
            *end++ = static_cast<char>('0' + length / 10 % 10);
        *end++ = static_cast<char>('0' + length % 10);
        out.append(text, end);
    }

    // By network, a block before the blocks inside it.
    constexpr auto operator<=>(const Block &) const = default;
};

using Ipv4Block = Block<Ipv4Address>;
using Ipv6Block = Block<Ipv6Address>;

}  // namespace netquill
