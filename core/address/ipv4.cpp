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

}  // namespace netquill
