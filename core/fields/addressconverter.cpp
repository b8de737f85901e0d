#include "core/fields/addressconverter.h"

#include "core/fields/decimaltext.h"
#include "core/fields/numberbase.h"
#include "core/fields/octet.h"

#include <cstdint>

namespace netquill {

namespace {

// The largest address in octal, compared as if it were a decimal number.
constexpr std::uint64_t kLargestOctalAsDecimal = 37777777777;

void convertFromDottedQuad(AddressFields &fields)
{
    fields.binary.clear();
    for (std::string &octet : fields.octets) {
        octet = FoldOctetText(octet);
        fields.binary += octetBits(octet);
    }
    fields.decimal = bin2dec(fields.binary);
    fields.hexadecimal = bin2hex(fields.binary);
    fields.octal = bin2oct(fields.binary);
}

void convertFromDecimal(AddressFields &fields)
{
    if (fields.decimal.empty())
        fields.decimal = "0";
    if (decimalValueExceeds(fields.decimal, kLargestAddress))
        fields.decimal = std::to_string(kLargestAddress);
    fields.binary = dec2bin(fields.decimal);
    fields.hexadecimal = bin2hex(fields.binary);
    fields.octal = bin2oct(fields.binary);
    fields.octets = octetsOfBinary(fields.binary);
}

void convertFromHexadecimal(AddressFields &fields)
{
    fields.binary = hex2bin(fields.hexadecimal);
    fields.octal = bin2oct(fields.binary);
    fields.octets = octetsOfBinary(fields.binary);
    fields.decimal = bin2dec(fields.binary);
}

void convertFromOctal(AddressFields &fields)
{
    if (fields.octal.empty())
        fields.octal = "0";
    if (decimalValueExceeds(fields.octal, kLargestOctalAsDecimal))
        fields.octal = std::to_string(kLargestOctalAsDecimal);
    fields.decimal = oct2dec(fields.octal);
    fields.binary = dec2bin(fields.decimal);
    fields.hexadecimal = bin2hex(fields.binary);
    fields.octets = octetsOfBinary(fields.binary);
}

void convertFromBinary(AddressFields &fields)
{
    if (fields.binary.size() < 32)
        fields.binary.insert(0, 32 - fields.binary.size(), '0');
    fields.decimal = bin2dec(fields.binary);
    fields.hexadecimal = bin2hex(fields.binary);
    fields.octal = bin2oct(fields.binary);
    fields.octets = octetsOfBinary(fields.binary);
}

}  // namespace

AddressFields ConvertAddress(AddressNotation notation, const AddressFields &fields)
{
    AddressFields converted = fields;
    switch (notation) {
    case AddressNotation::DottedQuad:
        convertFromDottedQuad(converted);
        break;
    case AddressNotation::Decimal:
        convertFromDecimal(converted);
        break;
    case AddressNotation::Hexadecimal:
        convertFromHexadecimal(converted);
        break;
    case AddressNotation::Octal:
        convertFromOctal(converted);
        break;
    case AddressNotation::Binary:
        convertFromBinary(converted);
        break;
    }
    return converted;
}

}  // namespace netquill
