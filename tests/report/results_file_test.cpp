// The results file: the template is consumed to its last block in every
// configuration, and the numbers stand in their fixed formats.
#include "report/results_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "weights/economic_weights.h"

namespace zelvan {
namespace {

using namespace testing_support;

const std::string kTemplate = std::string(ZELVAN_SOURCE_DIR) + "/src/report/TEXTD_OUT.TXT";
constexpr int kInputBlocks = 5;  // copied while the input is read

// A pure-bred or cross-bred system with LL cycles and its derived sizes.
std::unique_ptr<Model> system_model(int cb, int LL) {
  auto m = new_model();
  m->cb = cb;
  m->LL = LL;
  m->TT = 6 * LL - 2;
  m->CC = m->TT + 24;
  m->CT = m->TT + 48;
  m->i4 = cb == 1 ? m->CT + 1 : m->CC + 1;
  m->ewopt = cb == 1 ? 2 : 0;
  m->gstd = 1;
  m->utifemp = 1;
  m->utifemcr = 1;
  // The components reported only through their sums are never listed.
  for (int t : {14, 15, 16, 17, 19, 20, 21, 22, 24, 25}) m->to[t] = 0;
  return m;
}

struct Written {
  std::string results;  // what write_results wrote
  std::string err;      // what it said on standard error (a template with blocks left over)
};

// printf shows a value that is not a number as "nan" or "inf", after a
// blank or a sign.
bool shows_non_number(const std::string& r) {
  for (const char* p : {" nan", "-nan", " inf", "-inf"})
    if (contains(r, p)) return true;
  return false;
}

// Writes the results of m from the template, with `extra` appended to it.
Written write(const Model& m, const std::string& extra = "") {
  ScratchDir dir;
  write_file("TEXTD_OUT.TXT", read_file(kTemplate) + extra);
  TestIo t;
  for (int i = 0; i < kInputBlocks; ++i) outputr(t.io.textd);
  ::testing::internal::CaptureStderr();
  write_results(m, t.io);
  const std::string err = ::testing::internal::GetCapturedStderr();
  return Written{t.results(), err};
}

TEST(ResultsTemplate, EveryConfigurationEndsExactlyWithTheLastBlock) {
  const struct {
    const char* name;
    int cb, ewopt, gstd, utifemp, utifemcr;
    bool animals;     // every category has animals (else none has)
    bool cow_weights; // the cows have a standardised component
  } configurations[] = {
      {"pure-bred, no standardisation", 0, 0, 1, 1, 1, true, false},
      {"pure-bred, both components", 0, 0, 2, 3, 1, true, true},
      {"pure-bred, one component", 0, 0, 3, 4, 1, false, false},
      {"cross-bred progeny only", 1, 1, 2, 2, 3, true, false},
      {"both breeds, dams reared", 1, 2, 2, 4, 3, false, true},
      {"both breeds, one component", 1, 2, 3, 1, 4, true, false},
  };
  for (const auto& c : configurations) {
    auto m = system_model(c.cb, 4);
    m->ewopt = c.ewopt;
    m->gstd = c.gstd;
    m->utifemp = c.utifemp;
    m->utifemcr = c.utifemcr;
    const float count = c.animals ? 0.5f : 0.0f;
    for (float& x : m->l1) x = count;
    m->ne2[10] = m->ne10 = count;
    m->pbf[0] = m->pff[1] = m->cast[1] = c.animals ? 1 : 0;
    m->ewsum_m = c.cow_weights ? 10.0f : 0.0f;
    for (int t = 1; t < NT; ++t) {
      m->ew[t][0] = m->ew[t][1] = m->ew[t][2] = 1.5f;
      m->delta_d[t] = t % 2;
      m->delta_m[t] = 1;
      m->ewr_dd[t] = 2.0f;
    }
    m->to[30] = 1;  // a listed trait that is not evaluated
    const Written w = write(*m);
    EXPECT_EQ(w.err, "") << c.name;  // a template too short would have stopped the test
    EXPECT_FALSE(shows_non_number(w.results)) << c.name;
    EXPECT_TRUE(contains(w.results, "End of the results.")) << c.name;
  }
}

TEST(ResultsTemplate, BlocksLeftOverAreReported) {
  const Written w = write(*system_model(0, 3), "\"a block too many\"");
  EXPECT_TRUE(contains(w.err, "TEXTD_OUT.TXT holds more label blocks"));
}

TEST(ResultsTemplate, EveryExampleShipsTheTemplate) {
  const std::string templ = read_file(kTemplate);
  for (const char* e : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    EXPECT_EQ(read_file(std::string(ZELVAN_EXAMPLES) + "/" + e + "/TEXTD_OUT.TXT"), templ)
        << e << ": copy src/report/TEXTD_OUT.TXT into the example";
  }
}

TEST(ResultsLines, HerdSections) {
  auto m = system_model(0, 5);
  m->cp[0] = 0.45f, m->cmat[0] = 0.9f;
  m->cp[1] = 0.2f, m->cmat[1] = 0.8f;
  m->cmat[2] = 0.0f;  // the last cycle is not mated
  m->cp[3] = 0.2f;    // a quotient that cannot be formed is a dash, never nan
  m->intconc[0] = 20.5f, m->intconc[1] = 21.25f;
  m->l2[1] = 0.125;
  m->l3[0] = 0.5, m->l3[1] = 0.3, m->l3[2] = 0.2;
  m->Ncalt = 1.0f;
  m->l1[3] = 0.25f;
  m->l1[9] = 1e-6f;  // not above the presence threshold
  const std::string r = write(*m).results;
  EXPECT_TRUE(contains(r, "\n  Category 25:   0.1250\n  Category 26:   0.0000\n"));
  EXPECT_TRUE(contains(r, "\nReproductive cycle  1:   0.5000\nReproductive cycle  2:   0.3000\n"
                          "Reproductive cycle  3:   0.2000\nReproductive cycle  4:   0.0000\n"
                          "Reproductive cycle  5:   0.0000\nSum:   1.0000\n"));
  // The conception rate of the mated cows exists for the cycles that are mated.
  EXPECT_TRUE(contains(r, "\n  Reproductive cycle  1:    0.500\n  Reproductive cycle  2:    0.250\n"
                          "  Reproductive cycle  3:        -\n  Reproductive cycle  4:        -\n\n"));
  EXPECT_FALSE(shows_non_number(r));
  EXPECT_TRUE(contains(r, "\n  Reproductive cycle  1:   20.500\n  Reproductive cycle  2:   21.250\n"
                          "  Reproductive cycle  3:    0.000\n  Reproductive cycle  4:    0.000\n"
                          "  Reproductive cycle  5:    0.000\n\n"));
  EXPECT_TRUE(contains(r, "\n  Category  3:   0.2500 \n"));
  EXPECT_FALSE(contains(r, "Category  9:"));
  EXPECT_FALSE(contains(r, "Category   9 "));
  EXPECT_TRUE(contains(r, "\nCategory   3      0.0      0.0"));
}

TEST(ResultsLines, CarcassPricesWithDashesForGroupsNotFattened) {
  auto m = system_model(1, 3);
  const int CC = m->CC;
  m->pr[12] = 3.5f, m->pr[14] = 4.0f, m->pr[17] = 3.8f, m->pr[30] = 2.5f;
  m->l1[14] = 0.2f;  // pure-bred bulls, no castrates
  m->pr[CC + 12] = 4.25f;
  m->l1[CC + 17] = 0.1f;  // cross-bred castrates, no bulls
  m->pr[CC + 17] = 4.5f;
  const std::string r = write(*m).results;
  EXPECT_TRUE(contains(r, "\n        3.5        4.0        -          2.5\n        4.2        -          4.5"));
}

TEST(ResultsLines, TraitTableColumnsFollowTheEvaluatedBreeds) {
  const struct {
    int ewopt, utifemcr, trait;
    const char* line;
  } cases[] = {
      {0, 1, 31, "\n      1.2500        -            -"},
      {2, 3, 11, "\n      1.2500        -          -3.0000"},
      {2, 3, 5, "\n      1.2500       2.0000      -3.0000"},
      {2, 3, 26, "\n       -            -          -3.0000"},
      {2, 3, 42, "\n      1.2500       2.0000        -"},
      {2, 1, 31, "\n      1.2500        -            -"},
      {1, 3, 9, "\n       -           2.0000      -3.0000"},
      {1, 1, 30, "\n       -           2.0000        -"},
  };
  for (const auto& c : cases) {
    auto m = system_model(c.ewopt == 0 ? 0 : 1, 3);
    m->ewopt = c.ewopt;
    m->utifemcr = c.utifemcr;
    m->ew[c.trait][0] = 1.25f, m->ew[c.trait][1] = 2.0f, m->ew[c.trait][2] = -3.0f;
    const std::string r = write(*m).results;
    EXPECT_TRUE(contains(r, c.line)) << "ewopt " << c.ewopt << " trait " << c.trait;
  }
  // A negligible weight and a trait that is not evaluated get no line; a
  // weight that could not be evaluated is named after the table.
  auto m = system_model(0, 3);
  m->ew[31][0] = 1e-6f;
  m->ew[32][0] = 5.0f;
  m->to[32] = 1;
  m->nwarn = 1;
  m->ewwarn[0][0] = 31, m->ewwarn[0][1] = 0, m->ewwarn[0][2] = kTraitDoesNotMove;
  const std::string r = write(*m).results;
  EXPECT_FALSE(contains(r, "31 Milk yield, per kg per lactation\n"));
  EXPECT_FALSE(contains(r, "32 Fat content, per percentage point\n"));
  EXPECT_TRUE(contains(r, "\n\nWarning: the economic weight of trait 31 (breed index 0) could not be evaluated"));
}

TEST(ResultsLines, ComponentAndRelativeWeights) {
  auto m = system_model(0, 3);
  m->gstd = 2;
  m->delta_d[5] = m->delta_m[5] = 1;
  m->delta_m[31] = 1;
  m->ew_d[5] = 2.5f, m->ew_m[5] = 1.5f, m->ew_m[31] = 0.25f;
  m->ewr_dd[5] = 100.0f, m->ewr_mm[5] = 40.0f, m->ewr_mm[31] = 60.0f;
  m->ewsum_m = 3.0f, m->ewsum_d = 2.0f, m->ewsum = 5.0f;
  const std::string r = write(*m).results;
  EXPECT_TRUE(contains(r, " 5 Birth weight of calves, per kg\n      2.5000       1.5000"));
  EXPECT_TRUE(contains(r, "31 Milk yield, per kg per lactation\n      -            0.2500"));
  EXPECT_TRUE(contains(r, " 5 Birth weight of calves\n" + std::string(38, ' ') + "    40.000" + std::string(7, ' ') +
                              "   100.000\n"));
  EXPECT_TRUE(contains(r, "31 Milk yield\n" + std::string(38, ' ') + "    60.000             -\n"));
  const std::string gap(7, ' ');
  EXPECT_TRUE(contains(r, std::string(35, ' ') + "     3.000" + gap + "     2.000" + gap + "     5.000"));
}

TEST(ResultsLines, ReferenceTraitWarningWhenNoHeifersAreFattened) {
  auto m = system_model(1, 3);
  m->pbf[0] = 1;                // pure-bred bulls, no heifers
  m->cast[1] = 1, m->pff[1] = 0;  // cross-bred castrates, no heifers
  const std::string r = write(*m).results;
  EXPECT_TRUE(contains(r, "\n\n********************************************************\n"
                          "* W a r n i n g !                                      *\n"
                          "* Because there are no pure-bred heifers in fattening  *\n"
                          "* the reference trait for daily gain of pure-bred      *\n"
                          "* animals in fattening was changed.                    *\n"
                          "* The reference trait is now daily gain of pure-bred   *\n"
                          "* bulls in fattening.                                  *\n"
                          "********************************************************\n\n"));
  EXPECT_TRUE(contains(r, "* castrates in fattening.                              *\n"));
  m->pff[0] = 1;
  m->pff[1] = 1;
  EXPECT_FALSE(contains(write(*m).results, "W a r n i n g"));
}

}  // namespace
}  // namespace zelvan
