// Time from process start to the first painted frame: the whole window with
// all six pages built, beside a bare Qt window measured the same way in the
// same run, and a bare window showing one line of text (which, like ours,
// must load the font database first). Each iteration starts a fresh process.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

std::string Probe() {
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "ohmbench_startup_probe").string();
}

void RunProbe(benchmark::State& state, const char* mode) {
    const std::string exe = Probe();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(mode), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (spawned != 0) {
            close(out[0]);
            state.SkipWithError("cannot start the probe");
            return;
        }
        char buf[64] = {};
        const ssize_t n = read(out[0], buf, sizeof buf - 1);
        close(out[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        long long painted = 0;
        if (n <= 0 || std::sscanf(buf, "%lld", &painted) != 1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("probe failed");
            return;
        }
        const long long began = std::chrono::nanoseconds(start.time_since_epoch()).count();
        state.SetIterationTime(static_cast<double>(painted - began) / 1e9);
    }
}

void BM_StartupBareWindow(benchmark::State& state) { RunProbe(state, "--bare"); }
void BM_StartupBareWindowWithText(benchmark::State& state) { RunProbe(state, "--text"); }
void BM_StartupMainWindow(benchmark::State& state) { RunProbe(state, "--form"); }

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_StartupBareWindowWithText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_StartupMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
