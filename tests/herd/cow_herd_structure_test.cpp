#include <gtest/gtest.h>

#include "herd/herd_chain.h"
#include "herd/herd_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

// A herd of four cycles with three dystocia classes (the last two count as
// difficult) and three inseminations, pure-bred calves only.
std::unique_ptr<Model> cows() {
  auto m = testing_support::new_model();
  m->LL = 4, m->TT = 22, m->CC = 46;
  m->DD = 3, m->dyscl = 2, m->inmax = 3;
  const float conception[] = {0.5f, 0.45f, 0.4f};
  for (int s = 0; s < 3; ++s) m->ecrinc[s] = conception[s], m->kconc[s] = conception[s] / conception[0];
  m->crdys = 0.1f, m->cmd = 0.2f;
  m->intcm = 60, m->inint = 21, m->lgpre = 282, m->dd = 60, m->ndaydys = 30;
  m->pcrossh = 0.3f;
  for (int c = 0; c < 4; ++c) {
    fate(*m, c + 1, 1) = 0.02f + 0.01f * c;
    m->culh[c] = 0.05f + 0.02f * c, m->culvol[c] = 0.04f;
    m->pcross[c] = 0.1f * (c + 1);
    for (int j = 0; j < 2; ++j) {
      m->dysff[1][j][c] = 0.1f, m->dysff[2][j][c] = 0.02f + 0.01f * j;
      m->dysmm[1][j][c] = 0.15f, m->dysmm[2][j][c] = 0.04f + 0.01f * j;
    }
  }
  return m;
}

// Each insemination catches its conception rate of the cows still open
// (lowered by crdys after a difficult calving); losses and health culling
// before mating take the share intcm / 365 of the next cycle's rates.
TEST(CowHerdStructure, FatesAddUpToOneAndConceptionFollowsTheOpenCows) {
  auto m = cows();
  m->ecrinc[0] = 0.505f;  // a changed first rate carries the later ones along
  cow_herd_structure(*m);
  const double rate[] = {0.505, 0.45 * 1.01, 0.40 * 1.01};
  const double difficult = 0.5 * (0.12 + 0.19), culled = difficult * 0.2;  // classes 2 and 3 of both sexes
  for (int i = 1; i <= 4; ++i) {
    double sum = 0;
    for (int k = 1; k <= (i < 4 ? 6 : 4); ++k) sum += fate(*m, i, k);
    EXPECT_NEAR(sum, 1.0, 1e-6) << "cycle " << i;
    EXPECT_NEAR(fate(*m, i, 2), culled, 1e-7);
  }
  for (int c = 0; c < 3; ++c) {
    const double mated = 1 - culled - 60.0 / 365 * (m->culh[c + 1] + 0.04 + fate(*m, c + 2, 1));
    EXPECT_NEAR(m->cmat[c], mated, 1e-6);
    double open_easy = mated - (difficult - culled), open_hard = difficult - culled, conceived = 0, days = 0;
    for (int s = 0; s < 3; ++s) {
      const double easy = open_easy * rate[s], hard = open_hard * (rate[s] - 0.1);
      open_easy -= easy, open_hard -= hard, conceived += easy + hard, days += s * 21 * (easy + hard);
    }
    EXPECT_NEAR(fate(*m, c + 1, 4), mated - conceived, 1e-6) << "cycle " << c + 1;
    EXPECT_NEAR(m->ci[c], days / conceived + 60 + 282, 1e-3) << "cycle " << c + 1;
  }
  EXPECT_EQ(m->ci[3], m->dayslac[2]);  // the last cycle ends with its lactation
  EXPECT_EQ(m->dayslac[3], m->dayslac[2]);
}

// One insemination: every cow that conceives does so at once. dyscl = 1
// makes every calving difficult (the easy class is the rest of the
// distribution); dyscl = DD counts the last class only, and a dyscl above
// DD none.
TEST(CowHerdStructure, OptionsAtTheirLimits) {
  auto m = cows();
  m->inmax = 1, m->dyscl = 1;
  cow_herd_structure(*m);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(m->pconc[c][0], 1.0f);
    EXPECT_EQ(m->ci[c], m->intcm + m->lgpre);
  }
  EXPECT_FLOAT_EQ(m->dysff[0][0][1], 0.88f);
  EXPECT_FLOAT_EQ(m->dys[0][1], 1.0f);
  m->dyscl = 3;
  cow_herd_structure(*m);
  EXPECT_EQ(m->dysf[0][1], m->dysff[2][0][1]);
  EXPECT_EQ(m->dysm[0][1], m->dysmm[2][0][1]);
  m->dyscl = 4;
  cow_herd_structure(*m);
  EXPECT_EQ(testing_support::values(m->dys[0][1], m->dys[1][2], m->pcdys[1]), "0 0 0");
}

TEST(CowHerdStructure, BeefMatingsSetTheBreedOfTheNextCalving) {
  auto m = cows();
  for (float& x : m->cal[1]) x = 0.7f;  // left over from another system
  cow_herd_structure(*m);
  for (int c = 0; c < 4; ++c) EXPECT_TRUE(m->cal[1][c] == 0 && m->cal[0][c] == 1) << "cycle " << c + 1;
  m->cb = 1;
  cow_herd_structure(*m);
  EXPECT_EQ(m->cal[1][0], 0.3f);  // the heifer's mating
  for (int c = 1; c < 4; ++c) EXPECT_EQ(m->cal[1][c], m->pcross[c - 1]);
  EXPECT_NEAR(m->dysc[2], 0.2 * 0.5 * (0.13 + 0.2) + 0.8 * 0.5 * (0.12 + 0.19), 1e-7);
  EXPECT_FLOAT_EQ(fate(*m, 3, 2), m->dysc[2] * 0.2f);
}

}  // namespace
}  // namespace zelvan
