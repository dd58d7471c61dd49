#pragma once
// Helpers shared by the tests: scratch directories with copies of the
// bundled examples, targeted edits of their files, a results file to read
// back, and running the program itself.
#include <functional>
#include <initializer_list>
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

// Replaces the numbers in front of the item whose first text begins with
// `text` (the last line before its opening quote that holds anything but
// blanks) by `numbers`; fails the test when there is no such item.
void set_numbers(const std::string& path, const std::string& text, const std::string& numbers);

bool contains(const std::string& text, const std::string& part);

// The text without what depends on the processor clock: the seconds of the
// closing line (shown as #) and the lines of the dumps' clock readings zac
// and kon.
std::string without_clock(const std::string& text);

// The numbers printed with "%g" (six significant digits) and separated by
// blanks, so that a group of results compares in one line.
std::string joined(std::initializer_list<double> numbers);
template <class... Number>
std::string values(Number... numbers) {
  return joined({static_cast<double>(numbers)...});
}

// Reads one data file of the current directory with its reader and returns
// what the reader left unread, without the blanks around it: "" when the
// file was read to its last item. (A reader that closes its file itself
// leaves nothing to look at.)
using Reader = void (*)(Model&, Io&, TextIn&);
std::string read_with(Model& m, Io& io, Reader reader, const char* file);

// Reads the data of the current directory as the program does: PARAD.TXT,
// then the data files in their reading order. The console lines are
// swallowed; the echo goes to t's results file.
void read_all_input(Model& m, TestIo& t);

// Copies the example into the current directory, reads its input, forms the
// fixed coefficients, applies `edit` and then `run` to the state; console
// output is swallowed.
std::unique_ptr<Model> run_example(const char* example, const std::function<void(Model&)>& edit,
                                   const std::function<void(Model&)>& run);

// In a death test: `run` must stop the program with exit status 0 and a
// message (standard output, shown to the test) matching the regular
// expression `message`.
void expect_stop(const std::function<void()>& run, const std::string& message);

// Runs build/zelvan in the current directory with `answer` on standard
// input; returns what it printed on standard output and on standard error
// (kept apart, so that warnings do not break up the console dialogue) and
// its exit status.
struct ProgramRun {
  std::string out;
  int status;
  std::string err;
};
ProgramRun run_program_here(const std::string& answer = "RESULTS.TXT");

}  // namespace zelvan::testing_support
