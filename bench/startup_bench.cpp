// From process start to the first painted board: starts the built program
// with POLYSHARD_EXIT_AFTER_FIRST_PAINT=1 (offscreen unless QT_QPA_PLATFORM
// says otherwise) in a scratch game folder and times it until it has
// reported its first paint. The program's own figure (from the kernel's
// process start time) is shown as the counter "reported_ms".
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void BM_StartToFirstPaint(benchmark::State& state) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "polyshard-start-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        state.SkipWithError("no scratch folder");
        return;
    }
    const std::string command =
        std::string("cd '") + pattern +
        "' && POLYSHARD_EXIT_AFTER_FIRST_PAINT=1 POLYSHARD_INSTANCE=bench-" +
        std::to_string(getpid()) + " QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} '" +
        POLYSHARD_BINARY + "' 2>/dev/null";
    double reported = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        FILE* p = popen(command.c_str(), "r");
        char line[128] = {};
        const bool painted = p && fgets(line, sizeof line, p);
        const auto painted_at = std::chrono::steady_clock::now();
        if (p) pclose(p);
        if (!painted) {
            state.SkipWithError("the program reported no first paint");
            break;
        }
        reported += std::atof(line + std::string("first paint: ").size());
        state.SetIterationTime(std::chrono::duration<double>(painted_at - start).count());
    }
    state.counters["reported_ms"] =
        benchmark::Counter(reported, benchmark::Counter::kAvgIterations);
    std::error_code ignored;
    fs::remove_all(pattern, ignored);
}

BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
