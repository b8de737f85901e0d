#include "core/lines/clipboardtext.h"

namespace netquill {

std::string joinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string joinDotted(const std::array<std::string, 4> &octets)
{
    std::string text;
    for (std::size_t k = 0; k < octets.size(); ++k) {
        if (k > 0)
            text += '.';
        text += trimBlanks(octets[k]);
    }
    return text;
}

std::string BuildAddressClipboardText(const AddressFields &fields)
{
    return joinLines({
        "IP Address : " + joinDotted(fields.octets),
        "Decimal    : " + fields.decimal,
        "Hexadecimal: " + fields.hexadecimal,
        "Octal      : " + fields.octal,
        "Binary     : " + fields.binary,
    });
}

std::string BuildNetworkNodeClipboardText(const NetworkNodeTexts &texts)
{
    return joinLines({
        "IPAddress        : " + joinDotted(texts.octets),
        "Subnet Mask      : " + texts.subnetMask,
        "Subnet Mask Bits : /" + texts.maskBits,
        "",
        "Host ID          : " + texts.hostID,
        "Network ID       : " + texts.networkID,
        "Broadcast Address: " + texts.broadcastAddress,
        "Nodes in Subnet  : " + texts.nodesInSubnet,
    });
}

std::string BuildSubnetClipboardText(const SubnetTexts &texts)
{
    return joinLines({
        "IPAddress       : " + joinDotted(texts.blockOctets),
        "Address Class    : Classless /" + texts.cidrBits,
        "Network Address  : " + texts.cidrMask,
        "",
        "Subnet Address   : " + texts.subnetAddress,
        "Subnet Mask      : " + texts.subnetMask,
        "Subnet Bit Mask  : " + texts.subnetBitMask,
        "Subnet Bits      : " + texts.maskBits,
        "Host Bits        : " + texts.hostBits,
        "Possible Number of Subnets : " + texts.numberOfSubnets,
        "Hosts per Subnet : " + texts.hostsPerSubnet,
    });
}

}  // namespace netquill
