// Each measurement of the core beside its floor: the standard conversion or the bare
// arithmetic it is built on, on the same inputs.
#include "calc/calculate.h"
#include "calc/index.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<long> allocations { 0 };

const std::vector<std::string> &numberInputs()
{
    static const std::vector<std::string> inputs { "70", "1.75", "24.9000001", " 7 0", "70 kg",
        "1,75", "-70", "1e39", "", std::string(400, '7') };
    return inputs;
}

void readNumber(benchmark::State &state)
{
    const std::string &text = numberInputs()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel('"' + text.substr(0, 12) + '"');
    const long before = allocations;
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::readNumber(text));
    state.counters["allocs"] = static_cast<double>(allocations - before);
}
BENCHMARK(readNumber)->DenseRange(0, 9);

void fromChars(benchmark::State &state)
{
    const std::string &text = numberInputs()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel('"' + text.substr(0, 12) + '"');
    for (auto _ : state) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(fromChars)->DenseRange(0, 9);

// Growth with the length of the text: "0." and n digits, without blanks and with a blank
// after every digit (the reading that skips blanks).
std::string longNumber(std::int64_t digits, bool blanks)
{
    std::string text = "0.";
    for (std::int64_t i = 0; i < digits; ++i) {
        text += static_cast<char>('1' + i % 9);
        if (blanks)
            text += ' ';
    }
    return text;
}

void readNumberLength(benchmark::State &state)
{
    const std::string text = longNumber(state.range(0), state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::readNumber(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(readNumberLength)
    ->ArgsProduct({ benchmark::CreateRange(16, 4096, 4), { 0, 1 } })
    ->Complexity(benchmark::oN);

void fromCharsLength(benchmark::State &state)
{
    const std::string text = longNumber(state.range(0), false);
    for (auto _ : state) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(fromCharsLength)->RangeMultiplier(4)->Range(16, 4096)->Complexity(benchmark::oN);

constexpr float shownValues[] = { 22.857143f, 16.0f, 24.9f, 58.59375f, 1e30f };

void singleToText(benchmark::State &state)
{
    const float value = shownValues[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::singleToText(value, ","));
}
BENCHMARK(singleToText)->DenseRange(0, 4);

void toChars(benchmark::State &state)
{
    const float value = shownValues[state.range(0)];
    char buffer[32];
    for (auto _ : state) {
        auto result
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(toChars)->DenseRange(0, 4);

void indexAndClass(benchmark::State &state)
{
    double weight = 70, height = 1.75;
    for (auto _ : state) {
        benchmark::DoNotOptimize(weight);
        benchmark::DoNotOptimize(height);
        benchmark::DoNotOptimize(calc::weightClass(calc::computeIndex(weight, height).value()));
    }
}
BENCHMARK(indexAndClass);

void bareArithmetic(benchmark::State &state)
{
    double weight = 70, height = 1.75;
    for (auto _ : state) {
        benchmark::DoNotOptimize(weight);
        benchmark::DoNotOptimize(height);
        const auto index = static_cast<float>(weight / (height * height));
        int row = 0;
        for (const float bound : { 16.0f, 18.4f, 24.9f, 29.9f, 34.9f, 39.9f, 49.9f })
            row += index > bound;
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(bareArithmetic);

class MemoryForm : public calc::Form, public runtime::MessageBoxService {
public:
    std::string text(calc::TextBox box) const override { return boxes[static_cast<int>(box)]; }
    void setText(calc::TextBox box, std::string_view text) override
    {
        boxes[static_cast<int>(box)] = text;
    }
    std::string decimalSeparator() const override { return "."; }
    void show(const runtime::MessageBoxRequest &request) override
    {
        benchmark::DoNotOptimize(request.prompt.data());
    }
    std::string boxes[3] = { "70", "1.75", "" };
};

void calculatePress(benchmark::State &state)
{
    MemoryForm form;
    calc::CalculationFields fields;
    for (auto _ : state)
        calc::calculate(form, form, fields);
}
BENCHMARK(calculatePress);

} // namespace

// Counts every heap allocation, so that the benchmarks can report them. GCC cannot see that
// the replaced new and delete below pair malloc with free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(std::size_t size)
{
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
