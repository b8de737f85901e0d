#include "core/address/ipv4.h"

namespace netquill {

std::string Ipv4Address::text() const
{
    std::string out;
    appendText(out);
    return out;
}

void Ipv4Address::appendText(std::string &out) const
{
    char dotted[16];
    out.append(dotted, writeText(dotted));
}

std::string Block::text() const
{
    std::string out;
    appendText(out);
    return out;
}

void Block::appendText(std::string &out) const
{
    char text[20];
    char *end = network.writeText(text);
    *end++ = '/';
    if (prefix.bits() >= 10)
        *end++ = static_cast<char>('0' + prefix.bits() / 10);
    *end++ = static_cast<char>('0' + prefix.bits() % 10);
    out.append(text, end);
}

std::string Prefix::hostsPerSubnetText() const
{
    return hostBits() == 1 ? "2 (RFC3021)" : std::to_string(usableHosts());
}

}  // namespace netquill
