// Categorical traits: liability thresholds from class distributions whose
// thresholds are known, the shifted distribution, empty classes, the mean
// score, and the restored distribution.
#include "weights/score_traits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_support.h"

namespace zelvan {
namespace {

using LD = long double;

LD phi(LD x) { return 0.5L * (1 + std::erf(x / std::sqrt(2.0L))); }

// Class shares of a normal liability with the given thresholds.
std::vector<LD> shares(const std::vector<LD>& thresholds, LD shift) {
  std::vector<LD> s;
  LD below = 0;
  for (LD t : thresholds) {
    s.push_back(phi(t + shift) - below);
    below = phi(t + shift);
  }
  s.push_back(1 - below);
  return s;
}

LD mean(const std::vector<LD>& s) {
  LD m = 0;
  for (size_t c = 0; c < s.size(); ++c) m += (c + 1) * s[c];
  return m;
}

TEST(ScoreTraits, CarcassClassesOfBothClassificationsFollowTheShiftedThresholds) {
  // Class 1 is empty: its two thresholds coincide.
  const std::vector<LD> thresholds = {-0.5L, -0.5L, 0.7L};
  const std::vector<LD> base = shares(thresholds, 0), raised = shares(thresholds, -0.1L);
  const float columns[2] = {0.25f, 0.75f};  // each class split over the other classification
  for (const int trait : {15, 20}) {         // bulls, first and second classification
    const bool first = trait == 15;
    auto m = testing_support::new_model();
    m->p1 = first ? 4 : 2;
    m->p2 = first ? 2 : 4;
    auto grid = [&](int c, int o, int j) -> float& { return first ? m->Pb[c][o][j] : m->Pb[o][c][j]; };
    for (int c = 0; c < 4; ++c)
      for (int o = 0; o < 2; ++o) {
        grid(c, o, 0) = static_cast<float>(100 * base[c] * columns[o]);
        grid(c, o, 1) = 7.0f;  // the other breed index is not touched
      }
    save_score_distribution(*m, trait, 0);
    EXPECT_NEAR(m->thrsc[0], -0.5, 1e-5);
    EXPECT_NEAR(m->thrsc[2], 0.7, 1e-5);
    EXPECT_NEAR(m->tvm, static_cast<double>(mean(base)), 1e-5);
    EXPECT_EQ(first ? m->Pcflmcb[0] : m->Pcfcmcb[0], m->tvm);

    shift_score_thresholds(*m, trait, 0, -0.1);
    EXPECT_NEAR(m->tvh, static_cast<double>(mean(raised)), 1e-5);
    for (int c = 0; c < 4; ++c)
      for (int o = 0; o < 2; ++o) {
        EXPECT_NEAR(grid(c, o, 0), static_cast<double>(100 * raised[c] * columns[o]), 1e-4) << trait << " " << c;
        EXPECT_EQ(grid(c, o, 1), 7.0f);
      }
    EXPECT_EQ(grid(1, 0, 0), 0.0f);  // the empty class stays empty, not 0/0

    restore_score_distribution(*m, trait, 0);
    for (int c = 0; c < 4; ++c)
      for (int o = 0; o < 2; ++o) EXPECT_EQ(grid(c, o, 0), static_cast<float>(100 * base[c] * columns[o]));
  }
}

}  // namespace
}  // namespace zelvan
