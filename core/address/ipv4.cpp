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
    switch (hostBits()) {
    case 0:
        return "1";
    case 1:
        return "2 (RFC3021)";
    default:
        return std::to_string(addressCount() - 2);
    }
}

}  // namespace netquill
