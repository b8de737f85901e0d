// The address converter on whatever its fields could hold after typing or
// pasting: every field shows only its notation's characters, and converting
// the result again, from any notation, changes nothing.
#include "core/addressconverter.h"
#include "core/fieldrules.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

using netquill::AddressFields;
using netquill::AddressNotation;
using netquill::FieldCharset;

namespace {

constexpr std::string_view kDecimal = "0123456789";

void checkCharacters(const AddressFields &fields)
{
    for (const std::string &octet : fields.octets)
        FUZZ_CHECK(onlyCharacters(octet, kDecimal) && octet.size() <= 3);
    FUZZ_CHECK(onlyCharacters(fields.decimal, kDecimal) && fields.decimal.size() <= 10);
    FUZZ_CHECK(onlyCharacters(fields.hexadecimal, "0123456789ABCDEF") && fields.hexadecimal.size() <= 8);
    FUZZ_CHECK(onlyCharacters(fields.octal, "01234567") && fields.octal.size() <= 11);
    FUZZ_CHECK(onlyCharacters(fields.binary, "01"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto notation = static_cast<AddressNotation>(data[0] % 5);
    const auto texts = splitFields<8>(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));

    // What the fields can hold: their keystroke rules applied to the bytes.
    AddressFields typed;
    for (std::size_t k = 0; k < 4; ++k)
        typed.octets[k] = netquill::filterPastedText(FieldCharset::DecimalDigits, texts[k], 3);
    typed.decimal = netquill::filterPastedText(FieldCharset::DecimalDigits, texts[4], 10);
    typed.hexadecimal = netquill::filterPastedText(FieldCharset::HexadecimalDigits, texts[5], 8);
    typed.octal = netquill::filterPastedText(FieldCharset::OctalDigits, texts[6], 11);
    typed.binary = netquill::filterPastedText(FieldCharset::BinaryDigits, texts[7], 32);

    const AddressFields shown = netquill::ConvertAddress(notation, typed);
    checkCharacters(shown);
    const bool zeroFromHexadecimal = shown.binary == "0";
    FUZZ_CHECK(shown.binary.size() == 32 || (zeroFromHexadecimal && notation == AddressNotation::Hexadecimal));

    // The value in every notation is one address: written canonically (from its
    // 32 binary digits, without the leading zeros a field may have been typed
    // with), converting it again from any notation changes no field.
    if (zeroFromHexadecimal)
        return 0;
    const AddressFields normal = netquill::ConvertAddress(AddressNotation::Binary, shown);
    FUZZ_CHECK(normal.binary == shown.binary);
    for (const AddressNotation again : {AddressNotation::DottedQuad, AddressNotation::Decimal,
                                        AddressNotation::Hexadecimal, AddressNotation::Octal, AddressNotation::Binary}) {
        if (again == AddressNotation::Hexadecimal && normal.decimal == "0")
            continue;  // zero in hexadecimal has its single binary "0"
        FUZZ_CHECK(netquill::ConvertAddress(again, normal) == normal);
    }
    const std::uint64_t value = std::stoull(normal.decimal);
    FUZZ_CHECK(value <= 4294967295u);
    std::string dotted;
    for (int shift = 24; shift >= 0; shift -= 8)
        dotted += std::to_string((value >> shift) & 255) + (shift ? "." : "");
    FUZZ_CHECK(normal.octets[0] + "." + normal.octets[1] + "." + normal.octets[2] + "." + normal.octets[3] == dotted);
    return 0;
}
