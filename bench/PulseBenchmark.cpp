// How much a pulse costs compared with the one sine it evaluates: each pulse source and a bare
// std::sin run side by side in one process, and the ratios of their median CPU times per call
// are printed after the runs.

#include "pulse/PulseVariation.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace
{
const float TimeFactor = 4.6f;
const float TimeStep = 0.001f;
// Keeps every sine argument in the same range, where the sine costs the same.
const float TimeWrap = 100.f;

float NextTime(float time)
{
    const float next = time + TimeStep;
    return next < TimeWrap ? next : 0.f;
}

// The same changing time and the same angles as a generator's: nothing can be folded away.
void BareSine(benchmark::State& state)
{
    float time = 0.f;
    for (auto _ : state)
    {
        time = NextTime(time);
        benchmark::DoNotOptimize(std::sin(static_cast<double>(TimeFactor) * time));
    }
}

void MeasurePulse(benchmark::State& state, PulseGenerator& source)
{
    float time = 0.f;
    for (auto _ : state)
    {
        time = NextTime(time);
        source.SetTime(time);
        benchmark::DoNotOptimize(source.GetPulse());
    }
}

void Generator(benchmark::State& state)
{
    PulseGenerator generator("main", TimeFactor, 0.f, 1.f, 0.f);
    MeasurePulse(state, generator);
}

void Variation(benchmark::State& state)
{
    const PulseGenerator origin("main", TimeFactor, 0.f, 1.f, 0.f);
    PulseVariation variation(&origin, 1.f, 0.f, 5.f, 0.f);
    MeasurePulse(state, variation);
}

void ChainOfThreeVariations(benchmark::State& state)
{
    const PulseGenerator origin("main", TimeFactor, 0.f, 1.f, 0.f);
    const PulseVariation first(&origin, 0.5f, 0.f, 5.f, 0.f);
    const PulseVariation second(&first, 2.f, 0.1f, 1.f, 0.5f);
    PulseVariation third(&second, 1.f, 0.f, 0.5f, 1.f);
    MeasurePulse(state, third);
}

// Whether a run ended without a measurement. Benchmark 1.8 replaced the run's error_occurred by
// skipped (an error or a skip) and has no version macro to tell them apart: the member the
// installed version has decides.
template <typename BenchmarkRun>
auto MeasuredNothing(const BenchmarkRun& run, int) -> decltype(static_cast<bool>(run.skipped))
{
    return static_cast<bool>(run.skipped);
}

template <typename BenchmarkRun> bool MeasuredNothing(const BenchmarkRun& run, long)
{
    return run.error_occurred;
}

const char* const SineName = "BareSine";
const std::vector<std::pair<std::string, std::string>> Ratios{
    {"generator", "Generator"},
    {"variation", "Variation"},
    {"chain of three variations", "ChainOfThreeVariations"}};

// Prints as usual, without colour codes so the output can be piped, and keeps every measured
// CPU time per call for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            if (run.run_type == Run::RT_Iteration && !MeasuredNothing(run, 0))
            {
                myTimes[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
            }
        }
    }

    void PrintRatios(std::ostream& out) const
    {
        const auto sine = myTimes.find(SineName);
        if (sine == myTimes.end())
        {
            return;
        }
        out << std::fixed << std::setprecision(2);
        for (const auto& [label, name] : Ratios)
        {
            const auto pulse = myTimes.find(name);
            if (pulse != myTimes.end())
            {
                out << "ratio " << label
                    << "/sin = " << Median(pulse->second) / Median(sine->second) << '\n';
            }
        }
    }

private:
    static double Median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 == 1 ? values[middle]
                                      : (values[middle - 1] + values[middle]) / 2.0;
    }

    std::map<std::string, std::vector<double>> myTimes;
};
} // namespace

BENCHMARK(BareSine);
BENCHMARK(Generator);
BENCHMARK(Variation);
BENCHMARK(ChainOfThreeVariations);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
    {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(std::cout);
    benchmark::Shutdown();
    return 0;
}
