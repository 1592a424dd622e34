// Google Benchmark registers each benchmark through a static object.
// clazy:excludeall=non-pod-global-static
#include "conversion/ConvertEntry.h"
#include "runtime/numbers/NumberText.h"

#include <benchmark/benchmark.h>

namespace {

using Conversion::ConversionRule;

// Typical input, a 30-character input, per rule.
void convert(benchmark::State& state, const ConversionRule& rule, QStringView text)
{
    const QLocale locale; // what the window passes: the default locale
    for (auto _ : state) {
        auto result = Conversion::ConvertEntry(rule, text, locale);
        benchmark::DoNotOptimize(result);
    }
}

void rejectedNumericTest(benchmark::State& state)
{
    const QLocale locale;
    const QString text = QStringLiteral("12.7mm");
    for (auto _ : state) {
        bool numeric = Runtime::IsNumeric(text, locale);
        benchmark::DoNotOptimize(numeric);
    }
}

constexpr QStringView Typical = u"12.7";
constexpr QStringView Long = u"-1234567.890123456789012345e-3"; // 30 characters

} // namespace

// clang-format off: the slash names a family of benchmarks
BENCHMARK_CAPTURE(convert, MmToMil / typical, Conversion::MmToMil, Typical);
BENCHMARK_CAPTURE(convert, MmToMil / 30chars, Conversion::MmToMil, Long);
BENCHMARK_CAPTURE(convert, MilToMm / typical, Conversion::MilToMm, Typical);
BENCHMARK_CAPTURE(convert, MilToMm / 30chars, Conversion::MilToMm, Long);
// clang-format on
BENCHMARK(rejectedNumericTest);

BENCHMARK_MAIN();
