#pragma once
// Running zelvan-batch from the tests, in scratch directories.
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "batch/process.h"

namespace zelvan::batch::test {

struct Command {
  int status;          // exit status
  std::string output;  // standard output and error together
};

inline Command batch(const std::string& args) {
  const std::string cmd = std::string(ZELVAN_BATCH_BINARY) + " " + args + " 2>&1";
  std::FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int raw = pclose(p);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

// A fresh scratch directory named after the test and this process, so that
// checkouts testing at the same time on one machine keep apart.
inline std::filesystem::path scratch(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("zelvan-batch-test-" + name + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string example(const std::string& name) { return std::string(ZELVAN_EXAMPLES) + "/" + name; }

}  // namespace zelvan::batch::test
