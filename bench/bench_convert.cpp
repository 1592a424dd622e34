// Google Benchmark registers each benchmark through a static object.
// clazy:excludeall=non-pod-global-static
#include "conversion/ConvertEntry.h"
#include "tests/support/NumberChecks.h"

#include <benchmark/benchmark.h>

namespace {

using Conversion::ConversionRule;

// Typical input, a 30-character input, per rule.
// What the Qt window does on a change: the default locale's separator, then
// the conversion of the box's text.
void convert(benchmark::State& state, const ConversionRule& rule, std::u16string_view text)
{
    const QLocale locale;
    for (auto _ : state) {
        auto result =
            Conversion::ConvertEntry(rule, text, Runtime::ToU16(Runtime::DecimalPoint(locale)));
        benchmark::DoNotOptimize(result);
    }
}

void rejectedNumericTest(benchmark::State& state)
{
    for (auto _ : state) {
        bool numeric = Runtime::IsNumeric(u"12.7mm", u".");
        benchmark::DoNotOptimize(numeric);
    }
}

constexpr std::u16string_view Typical = u"12.7";
constexpr std::u16string_view Long = u"-1234567.890123456789012345e-3"; // 30 characters

} // namespace

// clang-format off: the slash names a family of benchmarks
BENCHMARK_CAPTURE(convert, MmToMil / typical, Conversion::MmToMil, Typical);
BENCHMARK_CAPTURE(convert, MmToMil / 30chars, Conversion::MmToMil, Long);
BENCHMARK_CAPTURE(convert, MilToMm / typical, Conversion::MilToMm, Typical);
BENCHMARK_CAPTURE(convert, MilToMm / 30chars, Conversion::MilToMm, Long);
// clang-format on
BENCHMARK(rejectedNumericTest);

BENCHMARK_MAIN();
