#include <gtest/gtest.h>

#include <cmath>

#include "herd/herd_chain.h"
#include "herd/herd_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::new_model;

// A herd of four cycles with three dystocia classes (the last two count as
// difficult) and three inseminations, pure-bred calves only.
std::unique_ptr<Model> cows() {
  auto m = new_model();
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

TEST(CowHerdStructure, FatesOfEveryCycleAddUpToOneAndFeedAConsistentChain) {
  auto m = cows();
  cow_herd_structure(*m);
  for (int i = 1; i <= 4; ++i) {
    const int fates = i < 4 ? 6 : 4;
    double sum = 0;
    for (int k = 1; k <= fates; ++k) sum += fate(*m, i, k);
    EXPECT_NEAR(sum, 1.0, 1e-6) << "cycle " << i;
    EXPECT_FLOAT_EQ(fate(*m, i, 3), m->culh[i - 1] + m->culvol[i - 1]);
    EXPECT_NEAR(m->clcm[i - 1] + m->clmc[i - 1], fate(*m, i, 1), 1e-8);
    EXPECT_NEAR(m->cculcm[i - 1], 60.0 / 365 * fate(*m, i, 3), 1e-7);
  }
  EXPECT_EQ(fate(*m, 2, 5), 0.0f);
  herd_transition_matrix(*m);  // passes its row check
  EXPECT_GT(m->niter, 1);
}

// Each insemination catches its conception rate of the cows still open, so
// the cows conceiving at insemination s follow a geometric series.
TEST(CowHerdStructure, ConceptionFollowsTheOpenCowsOverInseminations) {
  auto m = cows();
  cow_herd_structure(*m);
  for (int c = 0; c < 3; ++c) {
    const double difficult = 0.5 * (0.12 + 0.19);  // classes 2 and 3 of both sexes
    EXPECT_NEAR(m->dysc[c], difficult, 1e-7);
    const double culled = difficult * 0.2;
    const double mated = 1 - culled - 60.0 / 365 * (m->culh[c + 1] + 0.04 + fate(*m, c + 2, 1));
    EXPECT_NEAR(m->cmat[c], mated, 1e-6);
    double open_easy = mated - (difficult - culled), open_hard = difficult - culled, conceived = 0, days = 0;
    for (int s = 0; s < 3; ++s) {
      const double easy = open_easy * m->ecrinc[s], hard = open_hard * (m->ecrinc[s] - 0.1);
      EXPECT_NEAR(m->cpin[c][s], easy + hard, 1e-6) << "cycle " << c + 1 << " insemination " << s;
      open_easy -= easy, open_hard -= hard, conceived += easy + hard, days += s * 21 * (easy + hard);
    }
    EXPECT_NEAR(fate(*m, c + 1, 4), mated - conceived, 1e-6);
    EXPECT_NEAR(m->ci[c], days / conceived + 60 + 282, 1e-3);
    EXPECT_FLOAT_EQ(m->dayslac[c], m->ci[c] - 60);
  }
  EXPECT_EQ(m->ci[3], m->dayslac[2]);  // the last cycle ends with its lactation
  EXPECT_EQ(m->dayslac[3], m->dayslac[2]);
}

TEST(CowHerdStructure, OneInseminationConceivesAtOnce) {
  auto m = cows();
  m->inmax = 1;
  cow_herd_structure(*m);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(m->pconc[c][0], 1.0f);
    EXPECT_EQ(m->intconc[c], 0.0f);
    EXPECT_EQ(m->ci[c], m->intcm + m->lgpre);
  }
}

TEST(CowHerdStructure, FirstDifficultClassDecidesWhichCalvingsCount) {
  auto m = cows();
  m->dyscl = 1;
  cow_herd_structure(*m);
  EXPECT_FLOAT_EQ(m->dysff[0][0][1], 0.88f);  // the easy class is the rest
  EXPECT_FLOAT_EQ(m->dysf[0][1], 1.0f);
  EXPECT_FLOAT_EQ(m->dysm[0][1], 1.0f);
  EXPECT_FLOAT_EQ(m->dys[0][1], 1.0f);
  m->dyscl = 3;
  cow_herd_structure(*m);
  EXPECT_EQ(m->dysf[0][1], m->dysff[2][0][1]);
  EXPECT_EQ(m->dysm[0][1], m->dysmm[2][0][1]);
}

TEST(CowHerdStructure, NoDystociaEffectsWhenTheyAreSwitchedOff) {
  auto m = cows();
  m->crdys = 0, m->cmd = 0;
  cow_herd_structure(*m);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(fate(*m, c + 1, 2), 0.0f);
    EXPECT_NEAR(m->cpindys[c][1] / m->dysmat[c], m->cpinndys[c][1] / (m->cmat[c] - m->dysmat[c]), 1e-6);
  }
}

TEST(CowHerdStructure, BeefMatingsSetTheBreedOfTheNextCalving) {
  auto m = cows();
  for (float& x : m->cal[1]) x = 0.7f;  // left over from another system
  cow_herd_structure(*m);
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(m->cal[1][c], 0.0f);
    EXPECT_EQ(m->cal[0][c], 1.0f);
    EXPECT_EQ(m->dysc[c], m->dys[0][c]);
  }
  m->cb = 1;
  cow_herd_structure(*m);
  EXPECT_EQ(m->cal[1][0], 0.3f);  // the heifer's mating
  for (int c = 1; c < 4; ++c) EXPECT_EQ(m->cal[1][c], m->pcross[c - 1]);
  EXPECT_NEAR(m->dys[1][2], 0.5 * (0.13 + 0.2), 1e-7);
  EXPECT_NEAR(m->dysc[2], 0.2 * m->dys[1][2] + 0.8 * m->dys[0][2], 1e-7);
}

TEST(CowHerdStructure, ChangedFirstConceptionRateCarriesTheLaterOnes) {
  auto m = cows();
  m->ecrinc[0] = 0.505f;
  cow_herd_structure(*m);
  EXPECT_NEAR(m->ecrinc[1], 0.45 * 1.01, 1e-7);
  EXPECT_NEAR(m->ecrinc[2], 0.40 * 1.01, 1e-7);
}

}  // namespace
}  // namespace zelvan
