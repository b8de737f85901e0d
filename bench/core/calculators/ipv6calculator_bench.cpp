// The "IPv6" tab's answer to one key press: the field read, every answer
// field's text and the text Copy would put on the clipboard. A frame is
// 16 ms; the answer must come well within it.
#include "core/calculators/ipv6calculator.h"
#include "core/lines/ipv6answer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Ipv6TabAnswer(benchmark::State &state)
{
    // The most work an answer makes: eight reverse zones of 71 characters.
    const std::string typed = "2001:db8:85a3::8a2e:370:7334/125";
    for (auto _ : state) {
        const auto entry = netquill::readIpv6Field(typed);
        const auto texts = netquill::CalculateIpv6(entry->address, *entry->length);
        benchmark::DoNotOptimize(netquill::ipv6Answer(texts, netquill::LineEnd::CRLF).lines().size());
    }
}
BENCHMARK(BM_Ipv6TabAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace
