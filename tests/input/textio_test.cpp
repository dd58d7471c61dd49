// Reading and echoing the quoted-text convention of the data files.
#include "input/textio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace zelvan {
namespace {

// Writes content into a file of the test's temporary directory; returns its path.
std::string write_file(const std::string& name, const std::string& content) {
  std::string path = ::testing::TempDir() + name;
  std::FILE* f = std::fopen(path.c_str(), "w");
  EXPECT_NE(f, nullptr) << path;
  if (f != nullptr) {
    std::fputs(content.c_str(), f);
    std::fclose(f);
  }
  return path;
}

// Everything written to a scratch results stream so far.
std::string contents(std::FILE* out) {
  std::fflush(out);
  std::rewind(out);
  std::string s;
  for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out)) s.push_back(static_cast<char>(c));
  return s;
}

// An input file and a results stream that the tests echo into.
class TextIo : public ::testing::Test {
 protected:
  void open(const std::string& name, const std::string& content) {
    path_ = write_file(name, content);
    in_ = open_text(path_.c_str());
  }
  void TearDown() override {
    close_text(in_);
    std::fclose(out_);
    if (!path_.empty()) std::remove(path_.c_str());
  }
  // The character right behind the reading position, to check where a
  // primitive left the stream.
  int next() { return std::fgetc(in_.fp); }

  std::string path_;
  TextIn in_;
  std::FILE* out_ = std::tmpfile();
};

TEST_F(TextIo, ReadfloatEchoesFromRightAfterTheNumber) {
  open("textio_readfloat.txt", "12.5 \"Weight\" \"kg\"\n3.25\n\"first\nline\"  \"unit\"X");
  EXPECT_EQ(readfloat(out_, in_), 12.5f);
  EXPECT_EQ(contents(out_), " Weight    (kg):     12.5000 ");
  EXPECT_EQ(readfloat(out_, in_), 3.25f);
  // The line end before the first text and the two blanks between the texts
  // belong to the echo; a line end inside a text is copied as it stands.
  EXPECT_EQ(contents(out_), " Weight    (kg):     12.5000 \nfirst\nline     (unit):      3.2500 ");
  EXPECT_EQ(next(), 'X');
}

TEST_F(TextIo, ReadintEchoesTheIntegerAndReturnsItAsFloat) {
  // The tab before 42 is white space skipped by the number conversion.
  open("textio_readint.txt", "-7 \"Days\" \"d\"\t42\"a\"\"b\"");
  EXPECT_EQ(readint(out_, in_), -7.0f);
  EXPECT_EQ(readint(out_, in_), 42.0f);
  EXPECT_EQ(contents(out_), " Days    (d):  -7 a   (b):  42 ");
  EXPECT_EQ(next(), EOF);
}

TEST_F(TextIo, WridesAndInp15aEchoTheTextsThenTheValues) {
  open("textio_inp15a.txt",
       "12.5 \"Weight\" \"kg\"\n"
       "1.5 2.25 \"Two\"\n\"breeds\"\n"
       "4 \"None\" \"x\"Z");
  float x = scan_float(in_);
  inp15a(in_, out_, 0, x, 0.0f);
  // Pure-bred item: the blank before the first text is not copied.
  EXPECT_EQ(contents(out_), "\nWeight    (kg):     12.5000");

  float x0 = scan_float(in_);
  float x1 = scan_float(in_);
  inp15a(in_, out_, 1, x0, x1);
  EXPECT_EQ(contents(out_), "\nWeight    (kg):     12.5000\nTwo\n   (breeds):      1.5000       2.2500");

  // A flag other than 0 or 1 echoes the texts without a number.
  x = scan_float(in_);
  inp15a(in_, out_, 2, x, x);
  EXPECT_EQ(contents(out_),
            "\nWeight    (kg):     12.5000\nTwo\n   (breeds):      1.5000       2.2500\nNone    (x):");
  EXPECT_EQ(next(), 'Z');
}

TEST_F(TextIo, Inp15bShowsOnlyTheCategoriesThatExist) {
  const std::string item = "\"A\" \"B\"";
  open("textio_inp15b.txt", item + item + item + item + item + item + "Z");

  // A category of neither breed: its texts are passed over, nothing is written.
  inp15b(in_, out_, 1, 0, 0, 12.5f, 3.0f);
  EXPECT_EQ(contents(out_), "");

  // Pure-bred only: the cross-bred column is a dash even without cross-breeding.
  inp15b(in_, out_, 0, 1, 0, 12.5f, 3.0f);
  std::string expected = "\nA    (B):     12.5000         -";
  EXPECT_EQ(contents(out_), expected);

  inp15b(in_, out_, 1, 0, 1, 12.5f, 3.0f);
  expected += "\nA    (B):        -          3.0000";
  EXPECT_EQ(contents(out_), expected);

  inp15b(in_, out_, 1, 2, 1, 12.5f, 3.0f);
  expected += "\nA    (B):     12.5000       3.0000";
  EXPECT_EQ(contents(out_), expected);

  // Both flags set or only the cross-bred one, but no cross-breeding: the
  // texts are echoed, no value fits.
  inp15b(in_, out_, 0, 1, 1, 12.5f, 3.0f);
  inp15b(in_, out_, 0, 0, 1, 12.5f, 3.0f);
  expected += "\nA    (B):\nA    (B):";
  EXPECT_EQ(contents(out_), expected);
  EXPECT_EQ(next(), 'Z');
}

TEST_F(TextIo, Inp07UnderlinesTheHeadingToItsLength) {
  inp07(out_, 7, 9);
  inp07(out_, 28, 10);
  const std::string heading9 = "2.9 Data from file INPUT07.TXT";
  const std::string heading10 = "2.10 Data from file INPUT28.TXT";
  EXPECT_EQ(contents(out_), heading9 + "\n" + std::string(30, '-') + "\n" + heading10 + "\n" +
                                std::string(31, '-') + "\n");
  EXPECT_EQ(heading9.size(), 30u);
  EXPECT_EQ(heading10.size(), 31u);
}

TEST_F(TextIo, PrintcbWritesOneColumnPerBreed) {
  printcb(0, out_, 1.25f, 2.5f);
  std::fputc('|', out_);
  printcb(1, out_, 1.25f, -2.5f);
  EXPECT_EQ(contents(out_), "     1.250|     1.250     -2.500");
}

TEST_F(TextIo, TemplateBlocksAreCopiedOrSkipped) {
  open("textio_template.txt", "\"Title\nof the run\"\n\n\"Skipped block\"  \"Next\"Z");
  outputrw(in_, out_);
  outputr(in_);
  // Everything before the opening quote belongs to the block, too.
  outputrw(in_, out_);
  EXPECT_EQ(contents(out_), "Title\nof the run  Next");
  EXPECT_EQ(next(), 'Z');
}

TEST_F(TextIo, CommentsAndSkippedItemsArePassedOver) {
  open("textio_skip.txt",
       "/ Title of the file \n second line /\n"
       "1.5 2.5 \"skipped\" \"item\"\n"
       "9 \"c\" \"d\"Z");
  readcom(in_);
  // readdes passes over the numbers of the item together with its texts.
  readdes(in_);
  EXPECT_EQ(readint(out_, in_), 9.0f);
  EXPECT_EQ(contents(out_), " c    (d):  9 ");
  EXPECT_EQ(next(), 'Z');
}

TEST_F(TextIo, SysvarEchoesTheOptionsBackToBack) {
  std::string file = "\"PARAD title\"\n";
  std::string echo = "PARAD title";
  for (int i = 1; i <= 24; ++i) {
    std::string name = "option " + std::to_string(i);
    // Every third text starts with a line end, which gives the echo its lines.
    std::string text = (i % 3 == 0 ? "\n" : "") + name;
    file += std::to_string(100 - i) + " \"" + text + "\"\n";
    echo += " " + text + ":  " + std::to_string(100 - i);
  }
  echo += "\n";
  open("textio_parad.txt", file + "Z");
  outputrw(in_, out_);
  sysvar(in_, out_);
  EXPECT_EQ(contents(out_), echo);
  EXPECT_EQ(next(), '\n');
  EXPECT_EQ(next(), 'Z');

  // The second pass reads the same values without writing anything.
  close_text(in_);
  in_ = open_text(path_.c_str());
  outputr(in_);
  for (int i = 1; i <= 24; ++i) EXPECT_EQ(readsyva(in_), 100 - i);
  EXPECT_EQ(contents(out_), echo);
}

TEST_F(TextIo, NumbersAreReadInTheirOwnPrecision) {
  open("textio_numbers.txt", "0.1234567890123\n0.1234567890123\n  -17\n1e-3");
  EXPECT_EQ(scan_double(in_), 0.1234567890123);
  EXPECT_EQ(scan_float(in_), 0.1234567890123f);
  EXPECT_EQ(scan_int(in_), -17);
  EXPECT_EQ(scan_float(in_), 1e-3f);
}

TEST_F(TextIo, CurrentLineKeepsTheReadingPosition) {
  open("textio_lines.txt", "a\nb\n\ncd\n");
  EXPECT_EQ(current_line(in_), 1);
  EXPECT_EQ(next(), 'a');
  EXPECT_EQ(next(), '\n');
  EXPECT_EQ(current_line(in_), 2);
  EXPECT_EQ(next(), 'b');
  EXPECT_EQ(next(), '\n');
  EXPECT_EQ(next(), '\n');
  EXPECT_EQ(current_line(in_), 4);
  EXPECT_EQ(next(), 'c');
  EXPECT_EQ(current_line(in_), 4);
  EXPECT_EQ(next(), 'd');
}

// Broken input stops the program with exit status 0 and a message on
// standard output (sent to standard error here, where the test sees it)
// that names the file.
using TextIoDeathTest = TextIo;

TEST_F(TextIoDeathTest, MissingFileStops) {
  const std::string path = ::testing::TempDir() + "textio_absent.txt";
  std::remove(path.c_str());
  EXPECT_EXIT(
      {
        dup2(2, 1);
        open_text(path.c_str());
      },
      ::testing::ExitedWithCode(0), "textio_absent\\.txt");
}

TEST_F(TextIoDeathTest, FileEndingInsideATextStops) {
  open("textio_eof_text.txt", "1.5 \"complete\" \"open\n text");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        readfloat(out_, in_);
      },
      ::testing::ExitedWithCode(0), "textio_eof_text\\.txt");
}

TEST_F(TextIoDeathTest, FileEndingInsideACommentStops) {
  open("textio_eof_comment.txt", "/ title without its end\n");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        readcom(in_);
      },
      ::testing::ExitedWithCode(0), "textio_eof_comment\\.txt");
}

TEST_F(TextIoDeathTest, FileEndingBeforeANumberStops) {
  // Only two of the 24 options are present.
  open("textio_eof_parad.txt", "1 \"cb\"\n2 \"tech1\"\n");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        sysvar(in_, out_);
      },
      ::testing::ExitedWithCode(0), "textio_eof_parad\\.txt");
}

TEST_F(TextIoDeathTest, WordWhereANumberBelongsStops) {
  open("textio_word.txt", "\"A\" \"B\"\n  weight \"C\" \"D\"");
  readdes(in_);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        readfloat(out_, in_);
      },
      ::testing::ExitedWithCode(0), "textio_word\\.txt.*weight");
}

TEST_F(TextIoDeathTest, SlashInsideACommentEndsIt) {
  // The comment ends at "and/"; "or" is then read where the first number belongs.
  open("textio_slash.txt", "/ title and/or subtitle /\n5 \"x\" \"y\"");
  readcom(in_);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        readint(out_, in_);
      },
      ::testing::ExitedWithCode(0), "textio_slash\\.txt.*\"or\"");
}

}  // namespace
}  // namespace zelvan
