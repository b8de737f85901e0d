#pragma once

#include "core/address/addresstext.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

// An address, a block or a range of either family, where a value may be of
// both: the trees of a plan, the entries of an address list, the addresses
// of a log. Each holds one family's value and computes with that family's
// own type; values of the two families order IPv4 first. Each has one
// reader, which decides the family once from the text and leaves the rest
// to that family's parser.
namespace netquill {

// `use` called as `use.template operator()<Address>()` with the address
// type of the family: a template for both families, chosen once.
template <typename Use>
constexpr decltype(auto) withFamily(Family family, Use &&use)
{
    return family == Family::Ipv6 ? use.template operator()<Ipv6Address>() : use.template operator()<Ipv4Address>();
}

// What the three share: a value of one family's type or the other's.
template <typename Ipv4Value, typename Ipv6Value>
class EitherFamily
{
public:
    constexpr EitherFamily() = default;
    constexpr EitherFamily(Ipv4Value value) : m_value(value) {}
    constexpr EitherFamily(Ipv6Value value) : m_value(value) {}

    constexpr Family family() const { return m_value.index() == 0 ? Family::Ipv4 : Family::Ipv6; }
    // The value as its own family's type, for a caller that knows the family.
    template <typename Value>
    constexpr const Value *as() const
    {
        return std::get_if<Value>(&m_value);
    }
    // `use` called with the family's value: one template for both families.
    template <typename Use>
    constexpr decltype(auto) visit(Use &&use) const
    {
        return std::visit(std::forward<Use>(use), m_value);
    }
    std::string text() const
    {
        return visit([](const auto &value) { return value.text(); });
    }

    constexpr auto operator<=>(const EitherFamily &) const = default;

private:
    std::variant<Ipv4Value, Ipv6Value> m_value;
};

class AnyAddress : public EitherFamily<Ipv4Address, Ipv6Address>
{
public:
    using EitherFamily::EitherFamily;
};

class AnyBlock : public EitherFamily<Ipv4Block, Ipv6Block>
{
public:
    using EitherFamily::EitherFamily;

    // The one-address block of an address: a /32 or a /128.
    static AnyBlock of(AnyAddress address);

    int length() const
    {
        return visit([](const auto &block) { return block.length; });
    }
    // The family's width in bits, 32 or 128.
    int width() const
    {
        return visit([](const auto &block) { return decltype(block.network)::kBits; });
    }
    AnyAddress network() const
    {
        return visit([](const auto &block) { return AnyAddress(block.network); });
    }
    bool contains(const AnyBlock &inner) const;
    // The block of `length` bits, no longer than this one's, that holds it.
    AnyBlock widened(int length) const;
    // Child k of a split into children of `childLength` bits.
    AnyBlock child(Uint128 k, int childLength) const;
    // The first block past every block inside this one, of either family;
    // nothing after the last block of IPv6.
    std::optional<AnyBlock> next() const;
    // How large: "62" usable hosts for IPv4 (RFC 3021's 2 for a /31), addresses for IPv6.
    std::string sizeText() const;
};

class AnyRange : public EitherFamily<Ipv4Range, Ipv6Range>
{
public:
    using EitherFamily::EitherFamily;
};

// One thing of a kind for each family, such as a list's ranges: the IPv4
// one, then the IPv6 one.
template <template <typename> class PerFamily>
struct ForBothFamilies {
    PerFamily<Ipv4Address> ipv4;
    PerFamily<Ipv6Address> ipv6;

    template <typename Address>
    PerFamily<Address> &of()
    {
        if constexpr (std::is_same_v<Address, Ipv4Address>)
            return ipv4;
        else
            return ipv6;
    }
    template <typename Address>
    const PerFamily<Address> &of() const
    {
        return const_cast<ForBothFamilies *>(this)->of<Address>();
    }
    // The family's, where both families keep the same type.
    const PerFamily<Ipv4Address> &
    of(Family family) const requires std::is_same_v<PerFamily<Ipv4Address>, PerFamily<Ipv6Address>>
    {
        return family == Family::Ipv6 ? ipv6 : ipv4;
    }
    bool operator==(const ForBothFamilies &) const = default;
};

// Which families something is for.
template <typename>
using Flag = bool;
using FamilyFlags = ForBothFamilies<Flag>;

// "IPv4", "IPv6".
constexpr const char *familyName(Family family)
{
    return family == Family::Ipv6 ? AddressFamily<Ipv6Address>::kName : AddressFamily<Ipv4Address>::kName;
}

// `use` called as `use.template operator()<Address>()` for IPv4, then for IPv6.
template <typename Use>
constexpr void forEachFamily(Use &&use)
{
    use.template operator()<Ipv4Address>();
    use.template operator()<Ipv6Address>();
}

// An address of the family its text is written in, as parseAddress and parseIpv6Address read it.
Parsed<AnyAddress> parseAnyAddress(std::string_view text);
// A block by its network address, as parseBlock reads it.
Parsed<AnyBlock> parseAnyBlock(std::string_view text);
// A range, a block or an address, as parseRange reads them.
Parsed<AnyRange> parseAnyRange(std::string_view text);

}  // namespace netquill
