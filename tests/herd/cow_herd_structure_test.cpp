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

}  // namespace
}  // namespace zelvan
