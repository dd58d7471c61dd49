// Time of one base run of the whole model for each bundled example: the
// input is read once, then the run (herd, nutrition, economics, profit) is
// repeated on the same state, as the schedule repeats it for every trait.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "input/readers.h"
#include "input/textio.h"
#include "run/driver.h"

namespace {

namespace fs = std::filesystem;

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

// The example's input read as the program reads it, in a scratch copy of
// its directory.
std::unique_ptr<zelvan::Model> read_example(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("zelvan-bench-" + name + "-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::copy(fs::path(ZELVAN_EXAMPLES) / name, dir);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  auto m = std::make_unique<zelvan::Model>();
  zelvan::init_model(*m);
  zelvan::Io io{};
  io.out = std::tmpfile();
  io.textd = zelvan::open_text("TEXTD_OUT.TXT");
  {
    QuietConsole quiet;
    zelvan::outputrw(io.textd, io.out);
    zelvan::read_parad(*m, io);
    zelvan::read_data_files(*m, io);
    zelvan::fixed_coefficients(*m);
  }
  zelvan::close_text(io.textd);
  std::fclose(io.out);
  fs::current_path(previous);
  fs::remove_all(dir);
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

BENCHMARK_CAPTURE(base_run, holstein, std::string("holstein"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(base_run, holstein_beef_cross, std::string("holstein-beef-cross"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(base_run, beef_sire, std::string("beef-sire"))->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
