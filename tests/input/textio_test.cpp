// Reading and echoing the quoted-text convention of the data files.
#include "input/textio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// An input file of a scratch directory and a results stream to echo into.
class TextIo : public ::testing::Test {
 protected:
  void open(const std::string& content) {
    close_text(in_);
    write_file("in.txt", content);
    in_ = open_text("in.txt");
  }
  // What the calls since the last look wrote to the results stream.
  std::string echo() {
    const std::string all = t_.results();
    const std::string fresh = all.substr(seen_);
    seen_ = all.size();
    return fresh;
  }
  // The character behind the reading position, to see where a primitive stopped.
  int next() { return std::fgetc(in_.fp); }
  void TearDown() override { close_text(in_); }

  ScratchDir dir_;
  TestIo t_;
  std::FILE* out_ = t_.io.out;
  TextIn in_;
  size_t seen_ = 0;
};

TEST_F(TextIo, ScalarsEchoFromRightAfterTheirNumber) {
  // The line end in front of the first text and the blanks between the texts
  // belong to the echo; a line end inside a text is copied as it stands; the
  // tab before -7 is skipped by the number conversion.
  open("12.5 \"Weight\" \"kg\"\n3.25\n\"first\nline\"  \"unit\"\t-7 \"Days\" \"d\"X");
  EXPECT_EQ(readfloat(out_, in_), 12.5f);
  EXPECT_EQ(readfloat(out_, in_), 3.25f);
  EXPECT_EQ(readint(out_, in_), -7.0f);
  EXPECT_EQ(echo(), " Weight    (kg):     12.5000 \nfirst\nline     (unit):      3.2500  Days    (d):  -7 ");
  EXPECT_EQ(next(), 'X');
}

TEST_F(TextIo, PairsShowOneColumnPerBreedAndADashForAMissingOne) {
  struct Case {
    bool flagged;  // inp15b with the category flags f0, f1; otherwise inp15a with flag cb
    int cb, f0, f1;
    const char* echo;
  };
  const Case cases[] = {
      {false, 0, 0, 0, "\nA\n   (B):     12.5000"},
      {false, 1, 0, 0, "\nA\n   (B):     12.5000       3.0000"},
      {false, 2, 0, 0, "\nA\n   (B):"},
      {true, 1, 0, 0, ""},  // a category of neither breed index: passed over unseen
      {true, 0, 1, 0, "\nA\n   (B):     12.5000         -"},
      {true, 1, 0, 1, "\nA\n   (B):        -          3.0000"},
      {true, 1, 2, 1, "\nA\n   (B):     12.5000       3.0000"},
      {true, 0, 1, 1, "\nA\n   (B):"},  // no cross-breeding: no value fits
      {true, 0, 0, 1, "\nA\n   (B):"},
  };
  for (const Case& c : cases) {
    // The blank in front of the first text is not echoed, the line end between the texts is.
    open(" \"A\"\n\"B\"Z");
    if (c.flagged) {
      inp15b(in_, out_, c.cb, c.f0, c.f1, 12.5f, 3.0f);
    } else {
      inp15a(in_, out_, c.cb, 12.5f, 3.0f);
    }
    EXPECT_EQ(echo(), c.echo) << c.flagged << c.cb << c.f0 << c.f1;
    EXPECT_EQ(next(), 'Z');
  }
}

TEST_F(TextIo, HeadingsAndBreedColumns) {
  // The underline is as long as the heading: one dash more from section 10 on.
  inp07(out_, 7, 9);
  inp07(out_, 28, 10);
  EXPECT_EQ(echo(), "2.9 Data from file INPUT07.TXT\n" + std::string(30, '-') + "\n2.10 Data from file INPUT28.TXT\n" +
                        std::string(31, '-') + "\n");
  printcb(0, out_, 1.25f, 2.5f);
  std::fputc('|', out_);
  printcb(1, out_, 1.25f, -2.5f);
  EXPECT_EQ(echo(), "     1.250|     1.250     -2.500");
}

// Broken input stops with a message naming the file and the line.
using TextIoDeathTest = TextIo;

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
