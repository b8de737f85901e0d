#include "core/address/anyaddress.h"

namespace netquill {

AnyBlock AnyBlock::of(AnyAddress address)
{
    return address.visit([](auto value) { return AnyBlock(Block<decltype(value)>(value, decltype(value)::kBits)); });
}

bool AnyBlock::contains(const AnyBlock &inner) const
{
    return visit([&](const auto &block) {
        const auto *within = inner.as<std::decay_t<decltype(block)>>();
        return within && within->length >= block.length && block.contains(within->network);
    });
}

AnyBlock AnyBlock::widened(int length) const
{
    return visit([&](const auto &block) { return AnyBlock(block.containing(block.network, length)); });
}

AnyBlock AnyBlock::child(Uint128 k, int childLength) const
{
    return visit([&](const auto &block) {
        using Address = decltype(block.network);
        using Value = typename Address::Value;
        const auto offset = static_cast<Value>(k << (Address::kBits - childLength));
        return AnyBlock(Block<Address>(Address(block.network.value() + offset), childLength));
    });
}

std::optional<AnyBlock> AnyBlock::next() const
{
    return visit([](const auto &block) -> std::optional<AnyBlock> {
        using Address = decltype(block.network);
        const auto last = block.last().value();
        if (last != static_cast<typename Address::Value>(~typename Address::Value{0}))
            return AnyBlock(Block<Address>(Address(last + 1), 0));
        if constexpr (std::is_same_v<Address, Ipv4Address>)
            return AnyBlock(Ipv6Block{});
        else
            return std::nullopt;
    });
}

std::string AnyBlock::sizeText() const
{
    if (const auto *block = as<Ipv4Block>())
        return std::to_string(block->prefix().usableHosts());
    return as<Ipv6Block>()->size().text();
}

namespace {

// The text read by the parser of the family it is written in.
template <typename Any, typename Read>
Parsed<Any> readEither(std::string_view text, Read read)
{
    return withFamily(familyOf(text), [&]<typename Address>() {
        const auto parsed = read.template operator()<Address>(text);
        return parsed ? Parsed<Any>(*parsed) : Parsed<Any>::refused(parsed.reason());
    });
}

}  // namespace

Parsed<AnyAddress> parseAnyAddress(std::string_view text)
{
    return readEither<AnyAddress>(
        text, []<typename Address>(std::string_view read) { return AddressFamily<Address>::readAddress(read); });
}

Parsed<AnyBlock> parseAnyBlock(std::string_view text)
{
    return readEither<AnyBlock>(text,
                                []<typename Address>(std::string_view read) { return parseBlock<Address>(read); });
}

Parsed<AnyRange> parseAnyRange(std::string_view text)
{
    return readEither<AnyRange>(text,
                                []<typename Address>(std::string_view read) { return parseRange<Address>(read); });
}

}  // namespace netquill
