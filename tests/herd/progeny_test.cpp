// The progeny of one calving at its edges: replacement that takes every
// weaned heifer but no more, and the precision of the live-born calves.
#include "herd/progeny.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>

#include "herd/herd_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

float& l1(Model& m, int j, int k) { return m.l1[cat(m, j, k)]; }

// A base run of a herd of four cycles with plausible rates; with cb = 1 a
// growing share of the older cows is mated with beef bulls.
std::unique_ptr<Model> herd(int cb) {
  auto m = testing_support::new_model();
  m->cb = cb, m->LL = 4, m->TT = 22, m->CC = 46, m->CT = 70, m->ja = 0, m->jb = cb, m->trait = 0, m->irun = 1;
  const double l3[] = {0.28, 0.26, 0.24, 0.22};
  const float pcross[] = {0.0f, 0.1f, 0.2f, 0.3f};
  for (int c = 0; c < 4; ++c) {
    m->l3[c] = l3[c];
    m->cal[1][c] = cb == 1 ? pcross[c] : 0.0f;
    m->cal[0][c] = 1 - m->cal[1][c];
    for (int j = 0; j <= cb; ++j) {
      m->dysf[j][c] = 0.06f + 0.02f * j - 0.01f * c;
      m->dysm[j][c] = 0.09f + 0.03f * j - 0.015f * c;
      m->dys[j][c] = 0.5f * (m->dysf[j][c] + m->dysm[j][c]);
    }
    m->ab[c] = 0.02f + 0.005f * c, m->stcd[c] = 0.12f, m->stce[c] = 0.03f;
    m->dcd[c] = 0.07f, m->dce[c] = 0.02f + 0.002f * c;
  }
  for (int j = 0; j <= cb; ++j) {
    m->dcw[j] = 0.05f, m->agew[j] = j == 0 ? 70.0f : 60.0f;
    m->age[cat(*m, j, 9)] = j == 0 ? 14.0f : 21.0f, m->age[cat(*m, j, 23)] = 450;
    m->mxmc[j] = j == 0 ? 0.3f : 0.5f, m->cast[j] = 1, m->pcmf[j] = 0.4f;
    m->dmcf[j] = 0.02f, m->nmcf[j] = 0.03f, m->dccf[j] = 0.015f, m->nccf[j] = 0.025f;
    m->dfcf[j] = 0.02f, m->nfcf[j] = 0.04f;
    m->loshin[j] = j == 0 ? 0.04f : 0.05f, m->sfrp[j] = j == 0 ? 0.06f : 0.08f;
  }
  m->age[10] = 42, m->mtest[0] = 0.1f;
  m->inmaxh = 3;
  const float crinh[] = {0.62f, 0.58f, 0.5f};
  for (int s = 0; s < 3; ++s) m->crinh[s] = crinh[s], m->kconh[s] = crinh[s] / crinh[0];
  m->utifemp = 1, m->utifemcr = 1, m->exfc = 0.4f;
  m->pbf[0] = 1, m->pbf[1] = cb;  // bulls are fattened, no heifers
  return m;
}

// A cross-bred system in which every heifer is mated with a beef bull, so the
// pure-bred female calves do not depend on the first calvings. Heifers all
// conceive at once and none is lost or culled: exactly l3[0] weaned heifers
// are needed when l3[0] is set to the weaned ones.
std::unique_ptr<Model> heifers_needed_exactly(float* weaned) {
  auto m = herd(1);
  m->cal[1][0] = 1, m->cal[0][0] = 0, m->inmaxh = 1, m->crinh[0] = 1, m->kconh[0] = 1;
  m->loshin[0] = 0, m->sfrp[0] = 0, m->l3[0] = 0.1;
  progeny_structure(*m);
  *weaned = m->Nfcw[0];
  m->l3[0] = *weaned;
  return m;
}

TEST(ProgenyDeathTest, ReplacementMayTakeEveryWeanedHeiferButNoMore) {
  for (int fp = 1; fp <= 5; ++fp) {  // 5 is no use: only the replacement clears the surplus categories
    float weaned = 0;
    auto m = heifers_needed_exactly(&weaned);
    m->utifemp = fp, m->Nfav = 9;
    for (int k : {6, 12, 13, 23, 24}) l1(*m, 0, k) = 9;
    progeny_structure(*m);
    ASSERT_EQ(m->Nfrer, m->Nfcw[0]);
    EXPECT_EQ(m->Nfav, 0);
    for (int k : {6, 12, 13, 23, 24, 7, 18, 19}) EXPECT_EQ(l1(*m, 0, k), 0) << "utifemp " << fp << " category " << k;
  }
  float weaned = 0;
  auto m = heifers_needed_exactly(&weaned);
  m->l3[0] = std::nextafter(weaned, 1.0f);  // one more heifer than weaned, at float resolution
  EXPECT_EXIT({ dup2(2, 1); progeny_structure(*m); }, ::testing::ExitedWithCode(0),
              "not enough dairy heifers for \nreplacement\\. Decrease the proportion of cows mated with beef bulls\n"
              "and/or change");
  auto p = herd(0);
  p->crinh[0] = 0.2f;  // heifers hardly conceive
  EXPECT_EXIT({ dup2(2, 1); progeny_structure(*p); }, ::testing::ExitedWithCode(0),
              "not enough dairy heifers for \nreplacement\\. Change one or more of the following parameters in \n"
              "INPUT07\\.TXT: cow losses");
}

// Live-born calves and the heifers to mate are formed from double values;
// single precision would differ in the last bits for some of these inputs.
TEST(Progeny, LiveBornCalvesAndHeifersToMateAreFormedInDouble) {
  int differs = 0;
  for (int i = 0; i < 20; ++i) {
    auto m = herd(1);
    m->l3[0] = 0.27 + 0.0007 * i;
    progeny_structure(*m);
    EXPECT_EQ(m->Nfmat, static_cast<float>(m->l3[0] / m->tconh));
    differs += m->Nfmat != static_cast<float>(m->l3[0]) / m->tconh;
    for (int j = 0; j <= 1; ++j)
      for (int c = 0; c < 4; ++c) {
        const float df = m->dysf[j][c], rate = m->dce[c] * (1 - df) + df * m->dcd[c];
        const float in_double = static_cast<float>(rate * (0.5 - static_cast<double>(m->deadfc[j][c])));
        EXPECT_EQ(m->dead48f[j][c], in_double);
        differs += in_double != rate * (0.5f - m->deadfc[j][c]);
      }
  }
  EXPECT_GE(differs, 2) << "inputs do not tell the precisions apart";
}

}  // namespace
}  // namespace zelvan
