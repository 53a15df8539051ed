// Time from process start to the first painted frame: the whole window with
// all six pages built, beside a bare Qt window measured the same way in the
// same run. Each iteration starts a fresh process.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

std::string Probe() {
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "ohmbench_startup_probe").string();
}

void RunProbe(benchmark::State& state, bool bare) {
    const std::string exe = Probe();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(bare ? "--bare" : "--form"), nullptr};
        if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("probe failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void BM_StartupBareWindow(benchmark::State& state) { RunProbe(state, true); }
void BM_StartupForm1(benchmark::State& state) { RunProbe(state, false); }

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_StartupForm1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
