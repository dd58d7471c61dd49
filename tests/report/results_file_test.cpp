// The results file where whole runs do not reach: blocks of the template
// left over, the template shipped with each example, and the warning when
// the reference trait is missing.
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
