// PARAD.TXT: the echo, the checks of the option combinations in their order,
// the ranges the model can handle and the derived dimensions.
#include <gtest/gtest.h>
#include <unistd.h>

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
  enum { cb, tech1, tech2, matpur, matcross, utifemp, utifemcr, cast0, cast1, feedcost, ewopt, gene_flow,
         mast_inc, milkquota, milkprice, ind_a30, ind_RCT, LL, gstd, claw_inc, rfi_calf, rfi_h, rfi_fa, rfi_cow };
  Options24& set(int i, int value) {
    v[static_cast<size_t>(i)] = value;
    return *this;
  }
};

void write_parad(const Options24& o) {
  std::string text = "\"Options of a test system\"\n";
  for (size_t i = 0; i < o.v.size(); ++i)
    text += std::to_string(o.v[i]) + " \"\noption " + std::to_string(i + 1) + "\"\n";
  write_file("PARAD.TXT", text);
  write_file("TEXTD_OUT.TXT", "\"first block\"\"second block\"");
}

TEST(Parad, EchoesTheOptionsAsWrittenAndStoresThem) {
  ScratchDir dir;
  write_parad(Options24{}.set(Options24::cast1, 1));
  auto m = new_model();
  TestIo t;
  ::testing::internal::CaptureStdout();
  load_parad(*m, t.io);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Reading data from PARAD.TXT\n");
  const std::string echo = t.results();
  EXPECT_EQ(echo.substr(0, 36), "first blockOptions of a test system ");
  EXPECT_NE(echo.find("\noption 1:  0 \noption 2:  1"), std::string::npos);
  EXPECT_NE(echo.find("\noption 9:  1"), std::string::npos);  // the echo shows the value as written
  EXPECT_NE(echo.find("\noption 24:  0\nsecond block"), std::string::npos);
  EXPECT_EQ(m->cast[1], 0);  // no cross-breeding: no cross-bred castrates
  EXPECT_EQ(m->tech2, 2);
  EXPECT_EQ(m->LL, 5);
  EXPECT_EQ(m->prodsys, 4);
}

TEST(Parad, DerivedDimensions) {
  ScratchDir dir;
  write_parad(Options24{}.set(Options24::cb, 1).set(Options24::ewopt, 2).set(Options24::LL, 15));
  auto m = new_model();
  TestIo t;
  ::testing::internal::CaptureStdout();
  load_parad(*m, t.io);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(m->TT, 88);
  EXPECT_EQ(m->CC, 112);
  EXPECT_EQ(m->CT, 136);
  EXPECT_EQ(m->i4, 137);
  EXPECT_EQ(m->ja, 0);
  EXPECT_EQ(m->jb, 1);

  write_parad(Options24{}.set(Options24::LL, 3));
  auto p = new_model();
  TestIo u;
  ::testing::internal::CaptureStdout();
  load_parad(*p, u.io);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(p->TT, 16);
  EXPECT_EQ(p->CC, 40);
  EXPECT_EQ(p->i4, 41);
  EXPECT_EQ(p->ja, 0);
  EXPECT_EQ(p->jb, 0);
}

void expect_stop(const Options24& o, const char* message) {
  ScratchDir dir;
  write_parad(o);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        auto m = new_model();
        TestIo t;
        load_parad(*m, t.io);
      },
      ::testing::ExitedWithCode(0), message);
}

TEST(ParadDeathTest, ContradictoryOptionsStopWithTheirMessage) {
  using O = Options24;
  expect_stop(O{}.set(O::gene_flow, 3), "cannot calculate the economic weight for beef sires");
  // The first check wins even when the economic-value option is wrong too.
  expect_stop(O{}.set(O::gene_flow, 3).set(O::ewopt, 1), "economic weight for beef sires");
  expect_stop(O{}.set(O::cb, 1), "1 or 2, it cannot be 0");
  expect_stop(O{}.set(O::cb, 1).set(O::ewopt, 1), "calculated must be 3");
  expect_stop(O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gene_flow, 3), "calculated must not be 3");
  expect_stop(O{}.set(O::ewopt, 2), "must be always 0");
  expect_stop(O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gstd, 3).set(O::utifemcr, 3),
              "Genetic standard deviation of the traits is in \ncontradiction with other parameter values "
              "in  PARAD.TXT");
}

TEST(Parad, AcceptedCombinations) {
  using O = Options24;
  for (const O& o : {O{}.set(O::cb, 1).set(O::ewopt, 1).set(O::gene_flow, 3),
                     O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gene_flow, 2),
                     O{}.set(O::cb, 1).set(O::ewopt, 2).set(O::gstd, 3).set(O::utifemcr, 2),
                     O{}.set(O::gene_flow, 2)}) {
    ScratchDir dir;
    write_parad(o);
    auto m = new_model();
    TestIo t;
    ::testing::internal::CaptureStdout();
    load_parad(*m, t.io);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(m->cb, o.v[0]);
  }
}

TEST(ParadDeathTest, ValuesTheModelCannotHoldAreRefused) {
  using O = Options24;
  expect_stop(O{}.set(O::LL, 16), "PARAD.TXT, the value 16 of LL is outside the range 3 to 15");
  expect_stop(O{}.set(O::LL, 2), "the value 2 of LL is outside the range 3 to 15");
  expect_stop(O{}.set(O::cb, 2).set(O::ewopt, 2), "value 2 of cb");
  expect_stop(O{}.set(O::utifemp, 5), "value 5 of utifemp");
  expect_stop(O{}.set(O::milkprice, 0), "value 0 of milkprice");
}

TEST(ParadDeathTest, BrokenFilesNameTheFile) {
  {
    ScratchDir dir;
    write_file("TEXTD_OUT.TXT", "\"a\"\"b\"");
    EXPECT_EXIT(
        {
          dup2(2, 1);
          auto m = new_model();
          TestIo t;
          load_parad(*m, t.io);
        },
        ::testing::ExitedWithCode(0), "PARAD.TXT cannot be opened");
  }
  {
    ScratchDir dir;
    write_parad(Options24{});
    replace_in_file("PARAD.TXT", "5 \"", "five \"");
    EXPECT_EXIT(
        {
          dup2(2, 1);
          auto m = new_model();
          TestIo t;
          load_parad(*m, t.io);
        },
        ::testing::ExitedWithCode(0), "PARAD.TXT, line 36, a number is expected but \"five\"");
  }
  {
    ScratchDir dir;
    write_parad(Options24{});
    const std::string text = read_file("PARAD.TXT");
    write_file("PARAD.TXT", text.substr(0, text.find("option 20")));
    EXPECT_EXIT(
        {
          dup2(2, 1);
          auto m = new_model();
          TestIo t;
          load_parad(*m, t.io);
        },
        ::testing::ExitedWithCode(0), "PARAD.TXT ends too early");
  }
}

}  // namespace
}  // namespace zelvan
