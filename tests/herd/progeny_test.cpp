// The progeny of one calving. Expected values come from the model's own
// bookkeeping (calves born, first calvings, conception of the heifers), not
// from the formulas of the phase.
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

// Calves of breed index j born per calving, from the herd's calvings.
double calves_born(const Model& m, int j) {
  double n = 0;
  for (int c = 0; c < m.LL; ++c) n += m.l3[c] * m.cal[j][c];
  return n;
}

double all_categories(Model& m, int j) {
  double s = 0;
  for (int k = 1; k <= 24; ++k) s += l1(m, j, k);
  return s;
}

// Male use: 0 fattened as bulls and castrates, 1 all sold or tested, 2 all
// castrated; utifemp and utifemcr give the use of the surplus and the
// cross-bred female calves, which as breeding heifers are sold at 450 days
// or at weaning (60 days); the fattening flags that go with them.
TEST(Progeny, EveryCalfBornEndsInExactlyOneCategory) {
  struct Case { int cb, males, utifemp, utifemcr; float sale_age; int pbf, pff0, pff1; };
  const Case cases[] = {{0, 0, 1, 1, 450, 1, 0, 0}, {0, 1, 3, 1, 450, 0, 0, 0}, {0, 2, 4, 1, 450, 0, 0, 0},
                        {1, 0, 2, 4, 450, 1, 1, 1}, {1, 1, 4, 3, 450, 0, 0, 0}, {1, 2, 3, 2, 450, 0, 0, 1},
                        {1, 0, 1, 3, 60, 1, 0, 0}};
  for (const Case& t : cases) {
    SCOPED_TRACE(::testing::Message() << "cb " << t.cb << " males " << t.males << " uses " << t.utifemp << t.utifemcr
                                      << " sold at " << t.sale_age);
    auto m = herd(t.cb);
    m->age[cat(*m, 1, 23)] = t.sale_age;
    if (t.males == 1) m->mxmc[0] = 0.9f, m->mxmc[1] = 1.0f, m->cast[0] = m->cast[1] = 0, m->pcmf[0] = m->pcmf[1] = 0;
    if (t.males == 2) m->pcmf[0] = m->pcmf[1] = 1.0f;
    m->utifemp = t.utifemp, m->utifemcr = t.utifemcr;
    m->pbf[0] = t.pbf, m->pbf[1] = t.cb * t.pbf, m->pff[0] = t.pff0, m->pff[1] = t.pff1;
    if (t.cb == 0)
      for (int k = 1; k <= 24; ++k) l1(*m, 1, k) = 3;  // left from a cross-bred system: not this system's
    progeny_structure(*m);
    for (int j = 0; j <= t.cb; ++j) {
      EXPECT_NEAR(all_categories(*m, j), calves_born(*m, j), 1e-6) << "j " << j;
      EXPECT_GE(m->Nmcf[j], 0) << "j " << j;  // a rounding residue below zero is no animals
    }
    if (t.cb == 0) {
      EXPECT_EQ(all_categories(*m, 1), 72);
    }
    EXPECT_EQ(l1(*m, 0, 22), static_cast<float>(m->l3[0]));  // one heifer enters per first calving
    EXPECT_NEAR(m->psum, 1.0, 1e-6);
    EXPECT_NEAR(m->tconh, 1 - (1 - 0.62) * (1 - 0.58) * (1 - 0.5), 1e-6);
    // Surplus heifers that survive rearing and culling are sold before mating, or pregnant.
    const double fit = (1.0 - m->sfrp[0]) * (1.0 - m->loshin[0]) * m->Nfav;
    if (t.utifemp >= 3) {
      EXPECT_NEAR(l1(*m, 0, t.utifemp == 3 ? 23 : 24), t.utifemp == 3 ? fit : fit * m->tconh, 1e-7);
    }
    if (t.utifemcr == 3 && t.sale_age == 60) {
      EXPECT_EQ(l1(*m, 1, 23), m->Nfcw[1]);
    } else if (t.utifemcr == 3) {
      EXPECT_EQ(m->d[cat(*m, 1, 7)], (450 - 60) / 2);  // a heifer lost in rearing lives half the time
    } else if (t.utifemcr == 4) {
      EXPECT_NEAR(l1(*m, 1, 8), m->exfc * m->Nfcw[1], 1e-7);
    }
  }
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

// Runs for the trait calf losses split the changed total like the base run,
// and only for the breed indices ja..jb whose weight is wanted.
TEST(Progeny, CalfLossRunSplitsTheChangedTotalLikeTheBaseRun) {
  auto m = herd(1);
  progeny_structure(*m);
  const float base1 = l1(*m, 0, 1), base2 = l1(*m, 0, 2), kp21 = m->kp21[1], kpm1 = m->kpm1[1], kpm2 = m->kpm2[1];
  const float lowered = 0.99f * m->calfloss[1];
  m->trait = 2, m->irun = 172, m->ja = 1, m->jb = 1;
  m->calfloss[0] = 123, m->calfloss[1] = lowered;
  progeny_structure(*m);
  EXPECT_EQ(l1(*m, 0, 1), base1);
  EXPECT_EQ(l1(*m, 0, 2), base2);
  EXPECT_NEAR(l1(*m, 1, 1) + l1(*m, 1, 2), lowered, 1e-6 * lowered);
  EXPECT_NEAR(l1(*m, 1, 2) / l1(*m, 1, 1), kp21, 1e-5 * kp21);
  EXPECT_NEAR(m->pm[1][1] / m->pf[1][1], kpm1, 1e-5 * kpm1);
  EXPECT_NEAR(m->pm[1][2] / m->pf[1][2], kpm2, 1e-5 * kpm2);
  EXPECT_NEAR(all_categories(*m, 1), calves_born(*m, 1), 1e-6);
  m->trait = 0, m->irun = 176, m->kp21[0] = 42;  // the ratios belong to the base run alone
  progeny_structure(*m);
  EXPECT_EQ(m->kp21[0], 42);
}

// Half the calves are female. Abortions and stillbirths, and deaths of the
// live-born within 48 hours, are more frequent after a difficult calving; the
// calves alive at 48 hours then face dcw to weaning.
TEST(Progeny, CalvesFromBirthToWeaning) {
  auto m = herd(1);
  progeny_structure(*m);
  double difficult_all = 0;
  for (int j = 0; j <= 1; ++j) {
    double born_dead = 0, difficult = 0, females_at_48h = 0;
    for (int c = 0; c < 4; ++c) {
      const double calvings = m->l3[c] * m->cal[j][c], dys = m->dys[j][c], dysf = m->dysf[j][c];
      born_dead += calvings * (m->ab[c] + m->stcd[c] * dys + m->stce[c] * (1 - dys));
      difficult += calvings * dys;
      const double females_alive = 0.5 * calvings * (1 - (m->ab[c] + m->stcd[c] * dysf + m->stce[c] * (1 - dysf)));
      females_at_48h += females_alive * (1 - (m->dcd[c] * dysf + m->dce[c] * (1 - dysf)));
    }
    EXPECT_NEAR(l1(*m, j, 1), born_dead, 1e-7);
    EXPECT_NEAR(m->Nfcw[j], females_at_48h * (1 - m->dcw[j]), 1e-7);
    EXPECT_NEAR(m->dysav[j], difficult / calves_born(*m, j), 1e-6);
    difficult_all += difficult;
  }
  EXPECT_NEAR(m->dysavave, difficult_all, 1e-7);
}

TEST(Progeny, RoundingResiduesAreClearedAfterTheTotals) {
  auto m = herd(1);
  l1(*m, 0, 5) = -5e-7f, l1(*m, 1, 5) = 0.25f, l1(*m, 1, 9) = -2e-6f;  // the last a real deficit, kept
  progeny_totals(*m);
  clear_rounding_residues(*m);
  EXPECT_EQ(l1(*m, 0, 5), 0);
  EXPECT_EQ(l1(*m, 1, 9), -2e-6f);
  EXPECT_NEAR(m->p_tot[5], 0.25 - 5e-7, 3e-8);
  // Without losses in rearing the heifers lost are zero up to rounding; a
  // culling share that leaves them slightly negative shows the order.
  bool found = false;
  for (int i = 0; i < 40 && !found; ++i) {
    auto p = herd(0);
    p->loshin[0] = 0, p->sfrp[0] = 0.02f + 0.003f * i;
    progeny_structure(*p);
    found = p->p_tot[7] < 0;
    EXPECT_EQ(l1(*p, 0, 7), found ? 0.0f : p->p_tot[7]);
  }
  EXPECT_TRUE(found) << "no culling share gave a negative residue";
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
