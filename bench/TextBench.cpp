// Reading every line of a large description text, and replacing a
// placeholder throughout it, must grow linearly with the text.  The
// benchmark runs each at 1 MB and at 10 MB and prints how many times longer
// the larger text took; it fails when that is more than 12 times.
#include "foundation/text/FCString.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A description text of about the given size: a header, then command lines
// with Japanese names ("表示ソフト" holds trail bytes that look like "\\").
std::string descriptionText(std::size_t bytes)
{
    std::string text =
        "CA=Tool\r\nT=%1\r\nV=5\r\nU=1;app.ini;Version;Build\r\nCM=150\r\nD\r\n";
    const std::string line =
        "  u;data\\\225\\\216\246\203\\\203t\203g\\%1_file.dat;data\\%1_file.dat;bak\\a%1.dat\r\n\r\n";
    while (text.size() < bytes)
        text += line;
    return text;
}

const std::size_t kSmall = 1u << 20;
const std::size_t kLarge = 10u << 20;

void ReadAllLines(benchmark::State& state)
{
    const std::string source = descriptionText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        FCString text;
        text.assign(source.data(), source.size());
        FCString line;
        int count = 0;
        while (text.readLine(line, true, false))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

void ReplacePlaceholder(benchmark::State& state)
{
    const std::string source = descriptionText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        FCString text;
        text.assign(source.data(), source.size());
        benchmark::DoNotOptimize(text.replace("%1", "Product"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

BENCHMARK(ReadAllLines)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplacePlaceholder)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);

// Keeps the CPU time per iteration of every run, by benchmark and size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            std::string name = run.run_name.function_name;
            std::size_t size = static_cast<std::size_t>(run.run_name.args == "" ? 0 : std::stoull(run.run_name.args));
            times[name][size] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, std::map<std::size_t, double>> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool linear = true;
    std::printf("\n%-20s %12s %12s %8s\n", "operation", "1 MB (ms)", "10 MB (ms)", "ratio");
    for (const auto& entry : reporter.times) {
        auto small = entry.second.find(kSmall);
        auto large = entry.second.find(kLarge);
        if (small == entry.second.end() || large == entry.second.end())
            continue;
        double ratio = large->second / small->second;
        std::printf("%-20s %12.2f %12.2f %8.2f\n", entry.first.c_str(), small->second,
                    large->second, ratio);
        if (ratio > 12.0)
            linear = false;
    }
    std::printf("%s: 10 times the text may cost at most 12 times the time\n",
                linear ? "linear" : "NOT LINEAR");
    return linear ? 0 : 1;
}
