// The variable dump at its edges: negligible values of suppressed arrays at
// the threshold, and counts beyond the arrays clipped.
#include "report/dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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
