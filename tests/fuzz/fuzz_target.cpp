// libFuzzer target: mutated data files through the readers and the model.
//
// One fuzz input replaces one file of one bundled example; the other files of
// the example stay as they are, so a mutation of a late file still passes the
// earlier readers and reaches the model. The input starts with a header line
//
//     <example> <file> [whole]
//
// (e.g. "holstein INPUT07.TXT"), followed by the content of the file. Without
// "whole" the input phase and one base run are done; with it the whole
// program runs (all scheduled runs, gene flow, CHECKD), which takes longer.
// An input whose header names no example file is rejected.
//
// Every stop of the program returns here through the jump target that the
// fuzz build of common_stop takes; files the program left open at the stop
// are closed by the fopen/fclose wrappers below (the target is linked with
// --wrap=fopen --wrap=fclose).
#include <fcntl.h>
#include <unistd.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "input/messages.h"
#include "run/driver.h"

namespace fs = std::filesystem;

// ---- streams opened by the program while an input runs ----------------------

namespace {
bool g_tracking = false;                  // an input is running
std::set<std::FILE*>* g_open = nullptr;   // streams it opened and did not close
}  // namespace

extern "C" std::FILE* __real_fopen(const char* name, const char* mode);
extern "C" int __real_fclose(std::FILE* fp);

extern "C" std::FILE* __wrap_fopen(const char* name, const char* mode) {
  std::FILE* fp = __real_fopen(name, mode);
  if (g_tracking && fp != nullptr) g_open->insert(fp);
  return fp;
}

extern "C" int __wrap_fclose(std::FILE* fp) {
  if (g_open != nullptr) g_open->erase(fp);
  return __real_fclose(fp);
}

namespace {

struct Example {
  fs::path dir;                                 // working copy of the example
  std::map<std::string, std::string> files;     // original content of each data file
};

struct Harness {
  std::map<std::string, Example> examples;
  std::unique_ptr<zelvan::Model> model = std::make_unique<zelvan::Model>();  // allocated once
  std::FILE* results = nullptr;                 // results of the base-run mode (/dev/null)
  fs::path home;                                // working directory of the fuzzer
  fs::path root;                                // scratch directory of the examples
};

Harness* g_harness = nullptr;

std::string read_whole(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_whole(const fs::path& p, const char* data, size_t size) {
  std::FILE* fp = __real_fopen(p.c_str(), "wb");
  if (fp == nullptr) std::abort();
  if (size > 0) std::fwrite(data, 1, size, fp);
  __real_fclose(fp);
}

// Copies the three examples into a scratch directory and points standard
// input at the answer to the results-file prompt; the console goes to
// /dev/null (libFuzzer reports on its own stream).
void set_up() {
  g_harness = new Harness;
  g_open = new std::set<std::FILE*>;
  g_harness->home = fs::current_path();
  const fs::path root = fs::temp_directory_path() / ("zelvan-fuzz-" + std::to_string(getpid()));
  g_harness->root = root;
  std::atexit([] { fs::remove_all(g_harness->root); });
  fs::remove_all(root);
  fs::create_directories(root);
  for (const char* name : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    Example& e = g_harness->examples[name];
    e.dir = root / name;
    fs::copy(fs::path(ZELVAN_EXAMPLES) / name, e.dir);
    for (const auto& entry : fs::directory_iterator(e.dir)) {
      const std::string file = entry.path().filename().string();
      if (file != "README.md") e.files[file] = read_whole(entry.path());
    }
  }
  write_whole(root / "answer", "RESULTS.TXT\n", 12);
  if (std::freopen((root / "answer").c_str(), "r", stdin) == nullptr) std::abort();
  g_harness->results = __real_fopen("/dev/null", "w");
  std::fflush(stdout);
  const int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  close(null);
}

// Runs the program on the files in the working directory; a stop comes back
// through the jump. Only trivially destructible objects live between the
// setjmp and a stop.
void run_once(bool whole) {
  static std::jmp_buf back;
  zelvan::Model& m = *g_harness->model;
  zelvan::fuzz_stop_jump = &back;
  g_tracking = true;
  if (setjmp(back) == 0) {
    if (whole) {
      std::rewind(stdin);
      zelvan::run_program(m);  // ends through the common stop
    }
    zelvan::Io io{};
    zelvan::init_model(m);
    io.out = g_harness->results;
    io.textd = zelvan::open_text("TEXTD_OUT.TXT");
    zelvan::read_input(m, io);
    zelvan::run_model(m);
  }
  g_tracking = false;
  zelvan::fuzz_stop_jump = nullptr;
  for (std::FILE* fp : std::vector<std::FILE*>(g_open->begin(), g_open->end())) __wrap_fclose(fp);
  std::fflush(stdout);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  set_up();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  const char* eol = static_cast<const char*>(std::memchr(text, '\n', size));
  if (eol == nullptr) return -1;
  char example[32], file[32], mode[8] = "";
  const std::string header(text, eol);
  if (std::sscanf(header.c_str(), "%31s %31s %7s", example, file, mode) < 2) return -1;
  const auto e = g_harness->examples.find(example);
  if (e == g_harness->examples.end()) return -1;
  const auto original = e->second.files.find(file);
  if (original == e->second.files.end()) return -1;
  const bool whole = std::strcmp(mode, "whole") == 0;
  if (!whole && mode[0] != '\0') return -1;

  const fs::path path = e->second.dir / file;
  write_whole(path, eol + 1, size - (eol + 1 - text));
  if (chdir(e->second.dir.c_str()) != 0) std::abort();
  run_once(whole);
  if (chdir(g_harness->home.c_str()) != 0) std::abort();
  write_whole(path, original->second.data(), original->second.size());
  return 0;
}
