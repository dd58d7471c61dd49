// Broken data files stop with a message naming the file and the line.
#include "input/textio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// An input file of a scratch directory and a results stream to echo into.
class TextIoDeathTest : public ::testing::Test {
 protected:
  void open(const std::string& content) {
    close_text(in_);
    write_file("in.txt", content);
    in_ = open_text("in.txt");
  }
  void TearDown() override { close_text(in_); }

  ScratchDir dir_;
  TestIo t_;
  std::FILE* out_ = t_.io.out;
  TextIn in_;
};

TEST_F(TextIoDeathTest, BrokenFilesStop) {
  struct Case {
    const char* content;
    void (*read)(TextIn& in, std::FILE* out);
    const char* message;
  };
  const Case cases[] = {
      {"1.5 \"complete\" \"open\n text", [](TextIn& in, std::FILE* out) { readfloat(out, in); },
       "The file in\\.txt ends too early \\(line 2\\)"},
      {"\n/ title without its end\n", [](TextIn& in, std::FILE*) { readcom(in); }, "in\\.txt ends too early \\(line 3\\)"},
      {"1 \"cb\"\n2 \"tech1\"\n", [](TextIn& in, std::FILE* out) { sysvar(in, out); }, "in\\.txt ends too early"},
      {"\"A\" \"B\"\n  weight \"C\" \"D\"",
       [](TextIn& in, std::FILE* out) {
         readdes(in);
         readfloat(out, in);
       },
       "In the file in\\.txt, line 2, a number is expected but \"weight\" was found"},
      // A slash ends a comment: "or" stands where the number belongs.
      {"/ title and/or subtitle /\n5 \"x\" \"y\"",
       [](TextIn& in, std::FILE* out) {
         readcom(in);
         readint(out, in);
       },
       "in\\.txt, line 1, a number is expected but \"or\""},
  };
  for (const Case& c : cases) {
    open(c.content);
    expect_stop([&] { c.read(in_, out_); }, c.message);
  }
  expect_stop([] { open_text("absent.txt"); }, "The file absent\\.txt cannot be opened");
}

}  // namespace
}  // namespace zelvan
