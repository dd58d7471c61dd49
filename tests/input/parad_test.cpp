// PARAD.TXT: the echo, the checks of the option combinations in their order,
// the ranges the model can handle and the derived dimensions.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// The 24 options in file order, with a valid pure-bred default.
struct Options24 {
  std::array<int, 24> v = {0, 1, 2, 2, 2, 1, 1, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 5, 1, 0, 0, 0, 0, 0};
  enum { cb, tech1, utifemcr = 6, cast1 = 8, ewopt = 10, gene_flow, milkquota = 13, LL = 17, gstd, claw_inc };
  Options24& set(int i, int value) {
    v[static_cast<size_t>(i)] = value;
    return *this;
  }
};
using O = Options24;

// Writes PARAD.TXT (every text starting on a line of its own) and a template.
void write_parad(const Options24& o) {
  std::string text = "\"Options of a test system\"\n";
  for (size_t i = 0; i < o.v.size(); ++i) text += std::to_string(o.v[i]) + " \"\noption " + std::to_string(i + 1) + "\"\n";
  write_file("PARAD.TXT", text);
  write_file("TEXTD_OUT.TXT", "\"first block\"\"second block\"");
}

TEST(Parad, EchoOptionsAndDerivedDimensions) {
  const struct {
    Options24 o;
    const char* dimensions;  // TT, CC, CT, i4, ja, jb
    const char* warnings = "";
  } cases[] = {
      {O{}.set(O::cast1, 1), "28 52 76 53 0 0"},
      // Values outside the listed ones run, each with a line on standard error.
      {O{}.set(O::tech1, 0).set(O::milkquota, 0).set(O::gene_flow, 4).set(O::gstd, 9).set(O::claw_inc, 2),
       "28 52 76 53 0 0",
       "Warning: in the file PARAD.TXT, the value 0 of tech1 is none of the listed values (1 to 2); the run goes on.\n"
       "Warning: in the file PARAD.TXT, the value 4 of gene_flow is none of the listed values (1 to 3); the run goes on.\n"
       "Warning: in the file PARAD.TXT, the value 0 of milkquota is none of the listed values (1 to 3); the run goes on.\n"
       "Warning: in the file PARAD.TXT, the value 9 of gstd is none of the listed values (1 to 3); the run goes on.\n"
       "Warning: in the file PARAD.TXT, the value 2 of claw_inc is none of the listed values (0 to 1); the run goes on.\n"},
      {O{}.set(O::LL, 3).set(O::gene_flow, 2), "16 40 64 41 0 0"},
      {O{}.set(O::cb, 1).set(O::ewopt, 1).set(O::gene_flow, 3).set(O::LL, 15), "88 112 136 137 1 1"},
      {O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gene_flow, 2), "28 52 76 77 0 1"},
      // Deviations of one component are allowed while no cross-bred heifers are reared.
      {O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gstd, 3).set(O::utifemcr, 2), "28 52 76 77 0 1"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    write_parad(c.o);
    auto m = new_model();
    TestIo t;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    load_parad(*m, t.io);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.warnings);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Reading data from PARAD.TXT\n");
    EXPECT_EQ(values(m->cb, m->LL, m->prodsys), values(c.o.v[O::cb], c.o.v[O::LL], 4));
    EXPECT_EQ(values(m->TT, m->CC, m->CT, m->i4, m->ja, m->jb), c.dimensions);
    EXPECT_EQ(m->cast[1], 0);  // cross-bred castrates only exist with cross-breeding
    // The echo shows the values as written, between the two template blocks.
    const std::string echo = t.results();
    EXPECT_EQ(echo.substr(0, 36), "first blockOptions of a test system ");
    EXPECT_TRUE(contains(echo, "\noption 9:  " + std::to_string(c.o.v[O::cast1]) + " \noption 10:  1"));
    EXPECT_EQ(echo.substr(echo.size() - 27), "\noption 24:  0\nsecond block");
  }
}

void expect_parad_stop(const Options24& o, const char* message) {
  ScratchDir dir;
  write_parad(o);
  expect_stop(
      [] {
        auto m = new_model();
        TestIo t;
        load_parad(*m, t.io);
      },
      message);
}

TEST(ParadDeathTest, ContradictoryOrImpossibleOptionsStop) {
  // Each refused combination stops a whole run in tests/data/stops.txt.
  // The first check wins even when the economic-value option is wrong too.
  expect_parad_stop(O{}.set(O::gene_flow, 3).set(O::ewopt, 1), "economic weight for beef sires");
  expect_parad_stop(O{}.set(O::LL, 16), "PARAD.TXT, the value 16 of LL is outside the range 3 to 15");
  expect_parad_stop(O{}.set(O::LL, 2), "the value 2 of LL is outside the range 3 to 15");
  expect_parad_stop(O{}.set(O::cb, 2).set(O::ewopt, 2), "value 2 of cb");
  expect_parad_stop(O{}.set(O::utifemcr, 5), "value 5 of utifemcr is outside the range 1 to 4");
}

TEST(ParadDeathTest, BrokenFilesNameTheFile) {
  const auto load = [] {
    auto m = new_model();
    TestIo t;
    load_parad(*m, t.io);
  };
  ScratchDir dir;
  write_file("TEXTD_OUT.TXT", "\"a\"\"b\"");
  expect_stop(load, "PARAD.TXT cannot be opened");
  write_parad(O{});
  replace_in_file("PARAD.TXT", "5 \"", "five \"");
  expect_stop(load, "PARAD.TXT, line 36, a number is expected but \"five\"");
  write_parad(O{});
  const std::string text = read_file("PARAD.TXT");
  write_file("PARAD.TXT", text.substr(0, text.find("option 20")));
  expect_stop(load, "PARAD.TXT ends too early");
}

}  // namespace
}  // namespace zelvan
