#pragma once
// Helpers shared by the tests: scratch directories with copies of the
// bundled examples, targeted edits of their files, a results file to read
// back, and running the program itself.
#include <memory>
#include <string>

#include "input/io.h"
#include "run/model.h"

namespace zelvan::testing_support {

// A fresh scratch directory that becomes the working directory for the
// lifetime of the object (the program reads and writes its files there).
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

// Copies every file of examples/<name> into the current directory.
void copy_example(const std::string& name);

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);

// Replaces the n-th (1-based) occurrence of `from` in the file by `to`;
// fails the test when there is no such occurrence.
void replace_in_file(const std::string& path, const std::string& from, const std::string& to, int n = 1);

// A zeroed model state with its start values, on the heap.
std::unique_ptr<Model> new_model();

// An Io whose results file is a temporary file and whose template is
// TEXTD_OUT.TXT of the current directory (when present).
struct TestIo {
  Io io{};
  TestIo();
  ~TestIo();
  std::string results();  // everything written to the results file so far
};

// Reads PARAD.TXT of the current directory into the model (echo included).
void load_parad(Model& m, Io& io);

// Runs build/zelvan in the current directory with `answer` on standard
// input; returns what it printed on standard output and its exit status.
struct ProgramRun {
  std::string out;
  int status;
};
ProgramRun run_program_here(const std::string& answer = "RESULTS.TXT");

}  // namespace zelvan::testing_support
