// The variable dump: the order of the names, the line formats, the printed
// index ranges and the suppression of negligible values.
#include "report/dump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::new_model;

std::string dump_text(const Model& m) {
  std::FILE* f = std::tmpfile();
  write_dump(m, f);
  std::rewind(f);
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
  std::fclose(f);
  return text;
}

std::vector<std::string> sorted_names(std::vector<DumpEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(), dump_name_less);
  std::vector<std::string> names;
  for (const DumpEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(DumpOrder, NamesSortAlphabeticallyWithNumbersAndUnderscores) {
  const float x = 0.0f;
  const int acdc = 0;
  const std::vector<std::string> names = sorted_names({
      var("milk305", x, "%f"), var("ddry10", x, "%f"), var("ew_d", x, "%f"), var("acdc", acdc, "%d"),
      var("ewc", x, "%f"), var("milk31", x, "%f"), var("ddry2", x, "%f"), var("ew0", x, "%f"),
      constant("ACDC", acdc), var("ew", x, "%f"), var("Ncal", x, "%f"), var("nc", x, "%f"),
      var("milk", x, "%f"), var("ACDCx", x, "%f"),
  });
  const std::vector<std::string> expected = {"ACDC", "acdc", "ACDCx", "ddry2", "ddry10", "ew",    "ew0",
                                             "ewc",  "ew_d", "milk",  "milk31", "milk305", "nc", "Ncal"};
  EXPECT_EQ(names, expected);
}

TEST(DumpOrder, ConstantComesRightBeforeItsLowerCaseTwin) {
  const auto m = new_model();
  const std::vector<std::string> names = sorted_names(dump_table(*m));
  for (const char* pair : {"ACDC", "ACDD", "ACSB", "ACSD"}) {
    const auto it = std::find(names.begin(), names.end(), pair);
    ASSERT_NE(it, names.end()) << pair;
    ASSERT_NE(it + 1, names.end());
    std::string lower(pair);
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(*(it + 1), lower);
  }
  // Every variable is in the table once.
  std::vector<std::string> unique = names;
  std::sort(unique.begin(), unique.end());
  EXPECT_EQ(std::adjacent_find(unique.begin(), unique.end()), unique.end());
}

TEST(DumpLines, FormatsOfScalarsArraysAndConstants) {
  auto m = new_model();
  m->cb = 0;
  m->LL = 3;
  m->TT = 16;
  m->CC = 40;
  m->i4 = 41;
  m->DD = 2;
  m->varmilk = 0.05f;
  m->dysff[1][0][2] = 0.125f;
  m->ew[5][0] = 12.5f;
  const std::string text = dump_text(*m);
  EXPECT_NE(text.find("ACDC = 25\nacdc = 0\n"), std::string::npos);
  EXPECT_NE(text.find("\nvarmilk  = 0.050000\n"), std::string::npos);
  EXPECT_NE(text.find("\ndysff[1,0,2] =   0.1250\n"), std::string::npos);
  EXPECT_NE(text.find("\new[5][0] =    12.5000\n"), std::string::npos);
  EXPECT_NE(text.find("\ndelta_d[1] =   0\n"), std::string::npos);
  EXPECT_NE(text.find("\ntt[30] = 2\n"), std::string::npos);
  EXPECT_NE(text.find("\nT = 89\n"), std::string::npos);
}

TEST(DumpLines, PureBredSystemPrintsOnlyBreedIndexZero) {
  auto m = new_model();
  m->LL = 3;
  m->bwf[0] = 40.0f;
  m->bwf[1] = 45.0f;
  m->cb = 0;
  std::string text = dump_text(*m);
  EXPECT_NE(text.find("\nbwf[0] = "), std::string::npos);
  EXPECT_EQ(text.find("\nbwf[1] = "), std::string::npos);
  EXPECT_EQ(text.find("\ncast[1] = "), std::string::npos);
  m->cb = 1;
  text = dump_text(*m);
  EXPECT_NE(text.find("\nbwf[1] =     45.000\n"), std::string::npos);
}

TEST(DumpLines, NegligibleValuesOfSuppressedArraysAreLeftOut) {
  auto m = new_model();
  m->LL = 3;
  m->CC = 40;
  m->i4 = 41;
  m->l1[3] = 1e-6f;   // not above 1e-6
  m->l1[4] = -0.5f;   // negative
  m->l1[5] = 2e-6f;
  m->l1[6] = 0.25f;
  m->life[30] = 0.0f;  // an array written in full
  const std::string text = dump_text(*m);
  EXPECT_EQ(text.find("\nl1[3] = "), std::string::npos);
  EXPECT_EQ(text.find("\nl1[4] = "), std::string::npos);
  EXPECT_NE(text.find("\nl1[5] = "), std::string::npos);
  EXPECT_NE(text.find("\nl1[6] =    0.25000\n"), std::string::npos);
  EXPECT_NE(text.find("\nlife[30] =       0.00\n"), std::string::npos);
  EXPECT_EQ(text.find("\nlife[24] = "), std::string::npos);  // cow categories start at 25
}

TEST(DumpLines, CountsBeyondTheArraysAreClipped) {
  auto m = new_model();
  m->LL = 3;
  m->DD = 9;      // more classes than the tables hold
  m->inmax = 50;  // more inseminations than the tables hold
  const std::string text = dump_text(*m);
  EXPECT_NE(text.find("\nvetdys[5] = "), std::string::npos);
  EXPECT_EQ(text.find("\nvetdys[6] = "), std::string::npos);
  EXPECT_NE(text.find("\necrinc[7] = "), std::string::npos);
  EXPECT_EQ(text.find("\necrinc[8] = "), std::string::npos);
}

}  // namespace
}  // namespace zelvan
