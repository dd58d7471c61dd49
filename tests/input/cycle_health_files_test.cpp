// Per-cycle data, lactation curve and the health modules: the items read or
// passed over under the options, their echo, and the daily-table check.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// Reads one file of the current directory with the given reader and returns
// the echo; fails when the reader leaves anything but blanks unread.
std::string read_with(Model& m, void (*reader)(Model&, Io&, TextIn&), const char* file) {
  TestIo t;
  TextIn in = open_text(file);
  reader(m, t.io, in);
  int c;
  while ((c = std::fgetc(in.fp)) != EOF) EXPECT_TRUE(std::isspace(c)) << file << " has more items than read";
  close_text(in);
  return t.results();
}

std::string vector_item(int count, double value, const char* texts) {
  std::string s;
  for (int i = 0; i < count; ++i) s += std::to_string(value) + " ";
  return s + texts + "\n";
}

// A small INPUT07.TXT with LL cycles, inmax = inmaxh = 2, and its 20
// calving-difficulty items numbered so that each can be recognised.
std::string input07(int ll, int cb) {
  std::string s = "/cycle data/\n";
  for (const char* name : {"loss", "culh", "culvol", "ab", "stcd", "stce", "dcd", "dce"})
    s += vector_item(ll, 0.01, (std::string("\"") + name + "\" \"share\"").c_str());
  s += vector_item(cb == 1 ? ll - 1 : 1, 0.2, "\"beef matings\" \"share\"");
  s += vector_item(2, 0.4, "\"cows\" \"rate\"") + vector_item(2, 0.6, "\"heifers\" \"rate\"");
  for (int item = 1; item <= 20; ++item)
    s += vector_item(ll, item / 100.0, ("\"class item " + std::to_string(item) + "\" \"share\"").c_str());
  return s;
}

TEST(Input07, CalvingDifficultyItemsFollowClassesAndCrossbreeding) {
  ScratchDir dir;
  for (int cb : {0, 1}) {
    write_file("INPUT07.TXT", input07(3, cb));
    auto m = new_model();
    m->LL = 3;
    m->cb = cb;
    m->DD = 2;
    m->inmax = m->inmaxh = 2;
    const std::string echo = read_with(*m, read_input07, "INPUT07.TXT");
    // Class 1 is read for each breed index, classes 2..5 are passed over.
    EXPECT_NE(echo.find("\nclass item 1    (share):  0.0100  0.0100  0.0100"), std::string::npos);
    EXPECT_NE(echo.find("\nclass item 2    (share):"), std::string::npos);
    EXPECT_EQ(echo.find("class item 3 "), std::string::npos);
    EXPECT_EQ(m->dysff[1][0][2], 0.01f);
    EXPECT_EQ(m->dysmm[1][0][0], 0.02f);
    EXPECT_EQ(echo.find("class item 11 ") != std::string::npos, cb == 1);
    EXPECT_EQ(m->dysff[1][1][0], cb == 1 ? 0.11f : 0.0f);
    EXPECT_EQ(echo.find("beef matings") != std::string::npos, cb == 1);
    EXPECT_EQ(m->pcross[1], cb == 1 ? 0.2f : 0.0f);
    EXPECT_EQ(m->pcross[2], 0.0f);  // the last cycle has no matings with a calf
    EXPECT_EQ(m->pp[25], 0.01f);    // losses are the first fate of each cycle
    EXPECT_EQ(m->pp[37], 0.01f);
    EXPECT_EQ(m->crinh[1], 0.6f);
    EXPECT_EQ(echo.substr(echo.size() - 2), "\n\n");
  }
}

TEST(Input07, AllSixClassesAreReadFromTheLargestExample) {
  ScratchDir dir;
  copy_example("holstein-beef-cross");
  auto m = new_model();
  TestIo t;
  ::testing::internal::CaptureStdout();
  load_parad(*m, t.io);
  ::testing::internal::GetCapturedStdout();
  m->DD = 6;
  m->inmax = m->inmaxh = 8;
  const std::string echo = read_with(*m, read_input07, "INPUT07.TXT");
  EXPECT_EQ(m->LL, 15);
  for (int d = 1; d < 6; ++d) {
    EXPECT_GT(m->dysff[d][0][0], 0.0f) << d;
    EXPECT_GT(m->dysmm[d][1][14], 0.0f) << d;
  }
  EXPECT_GT(m->pcross[13], 0.0f);
  EXPECT_GT(m->ecrinc[7], 0.0f);
}

TEST(Input22, TenScalarsWithTheirEcho) {
  ScratchDir dir;
  copy_example("holstein");
  auto m = new_model();
  const std::string echo = read_with(*m, read_input22, "INPUT22.TXT");
  EXPECT_EQ(echo.rfind("\nLevel of milk yield of the herd    (kg milk per lactation):   8500.0000 ", 0), 0u);
  EXPECT_EQ(m->milk, 8500.0f);
  EXPECT_NE(m->d3, 0.0f);
}

TEST(HealthFiles, MastitisAndClawDisordersOfTheDefaultExample) {
  ScratchDir dir;
  copy_example("holstein");
  auto m = new_model();
  m->LL = 10;
  read_with(*m, read_input29, "INPUT29.TXT");
  EXPECT_GT(m->ircmy[0], 0.0f);
  EXPECT_GT(m->ircmy[9], 0.0f);
  read_with(*m, read_input37, "INPUT37.TXT");
  EXPECT_GT(m->ircdy[9], 0.0f);
  EXPECT_GT(m->pacd[0], 0.0f);
  const std::string table = read_with(*m, read_input30, "INPUT30.TXT");
  EXPECT_EQ(table.rfind("    1    0.0200    0.0240    0.0280\n    2", 0), 0u);
  EXPECT_EQ(m->dmi[0][0], 0.02f);
  EXPECT_NE(table.find("\n  400"), std::string::npos);
  EXPECT_EQ(table.substr(table.size() - 3), "\n\n\n");
}

TEST(HealthFilesDeathTest, DayNumbersOutOfPlaceStopTheProgram) {
  ScratchDir dir;
  copy_example("holstein");
  replace_in_file("INPUT38.TXT", "\n17 ", "\n18 ");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        auto m = new_model();
        TestIo t;
        TextIn in = open_text("INPUT38.TXT");
        read_input38(*m, t.io, in);
      },
      ::testing::ExitedWithCode(0), "Your input parameters in INPUT38.TXT are not correct. Correct this file\n"
                                    "and restart the program.");
}

}  // namespace
}  // namespace zelvan
