// Timings of the model for each bundled example:
//   base_run  one run of the whole model (herd, nutrition, economics, profit)
//             on input read once, repeated on the same state as the schedule
//             repeats it for every trait;
//   phase     each phase of that run on its own, with its share of the run;
//   program   the whole program as the user runs it, as a process: input,
//             every scheduled run, gene flow, the results file and CHECKD.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "input/textio.h"
#include "run/driver.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char* const kExamples[] = {"holstein", "holstein-beef-cross", "beef-sire"};
constexpr int kPhaseRuns = 500;  // base runs timed for the share of each phase

// Standard output goes to /dev/null while the object lives: the input
// phase and the base run announce themselves on the console.
class QuietConsole {
 public:
  QuietConsole() {
    std::fflush(stdout);
    saved_ = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    close(null);
  }
  ~QuietConsole() {
    std::fflush(stdout);
    dup2(saved_, 1);
    close(saved_);
  }
  QuietConsole(const QuietConsole&) = delete;
  QuietConsole& operator=(const QuietConsole&) = delete;

 private:
  int saved_;
};

// A scratch copy of the example's directory, removed again at the end.
class ScratchCopy {
 public:
  explicit ScratchCopy(const std::string& example)
      : dir_(fs::temp_directory_path() / ("zelvan-bench-" + example + "-" + std::to_string(getpid()))) {
    fs::remove_all(dir_);
    fs::copy(fs::path(ZELVAN_EXAMPLES) / example, dir_);
  }
  ~ScratchCopy() { fs::remove_all(dir_); }
  ScratchCopy(const ScratchCopy&) = delete;
  ScratchCopy& operator=(const ScratchCopy&) = delete;
  const fs::path& dir() const { return dir_; }

 private:
  fs::path dir_;
};

// The example's input read as the program reads it.
std::unique_ptr<zelvan::Model> read_example(const std::string& example) {
  const ScratchCopy copy(example);
  const fs::path previous = fs::current_path();
  fs::current_path(copy.dir());
  auto m = std::make_unique<zelvan::Model>();
  zelvan::init_model(*m);
  zelvan::Io io{};
  io.out = std::tmpfile();
  io.textd = zelvan::open_text("TEXTD_OUT.TXT");
  {
    QuietConsole quiet;
    zelvan::read_input(*m, io);
  }
  zelvan::close_text(io.textd);
  std::fclose(io.out);
  fs::current_path(previous);
  return m;
}

void base_run(benchmark::State& state, const std::string& example) {
  auto m = read_example(example);
  QuietConsole quiet;
  for (auto _ : state) {
    zelvan::run_model(*m);
    benchmark::DoNotOptimize(m->Tprof);
  }
}

// Processor time of this thread: the machine may be shared, so wall-clock
// time would count other programs' work.
double cpu_seconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Every iteration is a whole base run, phase by phase; the iteration time
// is that of phase p alone, and "share" its per cent of the whole run. A
// fixed number of runs, since the shortest phases take well under a
// microsecond.
void phase(benchmark::State& state, const std::string& example, int p) {
  auto m = read_example(example);
  QuietConsole quiet;
  double phase_seconds = 0;
  double run_seconds = 0;
  for (auto _ : state) {
    double here = 0;
    const double start = cpu_seconds();
    for (int i = 0; i < zelvan::kRunSequenceSize; ++i) {
      const double t0 = cpu_seconds();
      zelvan::kRunSequence[i].run(*m);
      if (i == p) here = cpu_seconds() - t0;
    }
    run_seconds += cpu_seconds() - start;
    phase_seconds += here;
    state.SetIterationTime(here);
    benchmark::DoNotOptimize(m->Tprof);
  }
  state.counters["share_%"] = 100 * phase_seconds / run_seconds;
}

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); }

// One whole run of the program in a scratch copy, answering the prompt
// for the results file; the console goes to /dev/null. The iteration time
// is the processor time of the program (user and system).
void program(benchmark::State& state, const std::string& example) {
  const ScratchCopy copy(example);
  const std::string answer = (copy.dir() / "answer").string();
  std::FILE* a = std::fopen(answer.c_str(), "w");
  std::fputs("RESULTS.TXT\n", a);
  std::fclose(a);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, answer.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const fs::path previous = fs::current_path();
  fs::current_path(copy.dir());
  char* argv[] = {const_cast<char*>(ZELVAN_BINARY), nullptr};
  for (auto _ : state) {
    pid_t pid;
    int status = 1;
    rusage usage{};
    if (posix_spawn(&pid, ZELVAN_BINARY, &actions, nullptr, argv, environ) != 0 ||
        wait4(pid, &status, 0, &usage) != pid || status != 0) {
      state.SkipWithError("the program did not end with exit status 0");
      break;
    }
    state.SetIterationTime(seconds(usage.ru_utime) + seconds(usage.ru_stime));
  }
  fs::current_path(previous);
  posix_spawn_file_actions_destroy(&actions);
}

void register_benchmarks() {
  for (const char* example : kExamples) {
    benchmark::RegisterBenchmark((std::string("base_run/") + example).c_str(), base_run, std::string(example))
        ->Unit(benchmark::kMicrosecond);
  }
  for (const char* example : kExamples) {
    for (int p = 0; p < zelvan::kRunSequenceSize; ++p) {
      const std::string name = std::string("phase/") + example + "/" + zelvan::kRunSequence[p].name;
      benchmark::RegisterBenchmark(name.c_str(), phase, std::string(example), p)
          ->UseManualTime()
          ->Iterations(kPhaseRuns)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  for (const char* example : kExamples) {
    benchmark::RegisterBenchmark((std::string("program/") + example).c_str(), program, std::string(example))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  register_benchmarks();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
