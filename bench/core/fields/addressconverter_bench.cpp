// How long one Convert takes from each notation, and the number-base routines
// on the longest texts the fields can hold and on hostile ones.
#include "core/fields/addressconverter.h"
#include "core/fields/numberbase.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using netquill::AddressFields;
using netquill::AddressNotation;

AddressFields fieldsOf192_168_1_1()
{
    AddressFields fields;
    fields.octets = {"192", "168", "1", "1"};
    return netquill::ConvertAddress(AddressNotation::DottedQuad, fields);
}

void BM_ConvertAddress(benchmark::State &state)
{
    const auto notation = static_cast<AddressNotation>(state.range(0));
    const AddressFields fields = fieldsOf192_168_1_1();
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::ConvertAddress(notation, fields));
}
BENCHMARK(BM_ConvertAddress)->DenseRange(0, 4)->ArgName("notation");

void BM_dec2binLargestAddress(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::dec2bin("4294967295"));
}
BENCHMARK(BM_dec2binLargestAddress);

void BM_dec2binFourHundredDigits(benchmark::State &state)
{
    const std::string digits(400, '9');
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::dec2bin(digits));
}
BENCHMARK(BM_dec2binFourHundredDigits);

void BM_bin2decMegabyte(benchmark::State &state)
{
    const std::string bits(1 << 20, '1');
    for (auto _ : state)
        benchmark::DoNotOptimize(netquill::bin2dec(bits));
}
BENCHMARK(BM_bin2decMegabyte);

}  // namespace
