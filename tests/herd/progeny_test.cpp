// The progeny of one calving: every calf born ends in exactly one category,
// the replacement heifers come first, surplus and cross-bred heifers follow
// their use, and the runs for calf losses keep the proportions of the base
// run. Expected values come from the model's own bookkeeping (calves born,
// first calvings), not from the formulas of the phase.
#include "herd/progeny.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>

#include "herd/herd_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::new_model;

float& l1(Model& m, int j, int k) { return m.l1[cat(m, j, k)]; }

// Fattening flags as the reader of the progeny data derives them.
void derive_flags(Model& m) {
  for (int j = 0; j <= m.cb; ++j)
    m.pbf[j] = (m.mxmc[j] + m.mtest[j] <= 0.999999 && m.pcmf[j] * m.cast[j] <= 0.999999) ? 1 : 0;
  m.pff[0] = m.utifemp == 2 ? 1 : 0;
  m.pff[1] = m.cb == 1 && (m.utifemcr == 2 || (m.utifemcr == 4 && m.exfc < 0.999999)) ? 1 : 0;
}

// A base run of a herd of four cycles with plausible rates; with cb = 1 a
// growing share of the older cows is mated with beef bulls.
std::unique_ptr<Model> herd(int cb) {
  auto m = new_model();
  m->cb = cb, m->LL = 4, m->TT = 22, m->CC = 46, m->CT = 70;
  m->ja = 0, m->jb = cb;
  m->trait = 0, m->irun = 1;
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
    m->age[cat(*m, j, 9)] = j == 0 ? 14.0f : 21.0f;
    m->age[cat(*m, j, 23)] = 450;
    m->mxmc[j] = j == 0 ? 0.3f : 0.5f;
    m->cast[j] = 1, m->pcmf[j] = 0.4f;
    m->dmcf[j] = 0.02f, m->nmcf[j] = 0.03f, m->dccf[j] = 0.015f, m->nccf[j] = 0.025f;
    m->dfcf[j] = 0.02f, m->nfcf[j] = 0.04f;
    m->loshin[j] = j == 0 ? 0.04f : 0.05f, m->sfrp[j] = j == 0 ? 0.06f : 0.08f;
  }
  m->age[10] = 42, m->mtest[0] = 0.1f;
  m->inmaxh = 3;
  const float crinh[] = {0.62f, 0.58f, 0.5f};
  for (int s = 0; s < 3; ++s) m->crinh[s] = crinh[s], m->kconh[s] = crinh[s] / crinh[0];
  m->utifemp = 1, m->utifemcr = 1, m->exfc = 0.4f;
  derive_flags(*m);
  return m;
}

// Calves of breed index j born per calving, from the herd's calvings.
double calves_born(const Model& m, int j) {
  double n = 0;
  for (int c = 0; c < m.LL; ++c) n += m.l3[c] * m.cal[j][c];
  return n;
}

float sum_of_categories(Model& m, int j, std::initializer_list<int> ks) {
  double s = 0;
  for (int k : ks) s += l1(m, j, k);
  return static_cast<float>(s);
}

double all_categories(Model& m, int j) {
  double s = 0;
  for (int k = 1; k <= 24; ++k) s += l1(m, j, k);
  return s;
}

TEST(Progeny, EveryCalfBornEndsInExactlyOneCategory) {
  // Male use: fattened as bulls and castrates; all sold or tested; all castrated.
  for (int cb = 0; cb <= 1; ++cb)
    for (int males = 0; males < 3; ++males)
      for (int fp = 1; fp <= 4; ++fp)
        for (int fc = 1; fc <= (cb == 1 ? 4 : 1); ++fc) {
          auto m = herd(cb);
          if (males == 1) {
            m->mxmc[0] = 0.9f, m->mxmc[1] = 1.0f;
            m->cast[0] = m->cast[1] = 0, m->pcmf[0] = m->pcmf[1] = 0;
          }
          if (males == 2) m->pcmf[0] = m->pcmf[1] = 1.0f;
          m->utifemp = fp, m->utifemcr = fc;
          derive_flags(*m);
          SCOPED_TRACE(::testing::Message() << "cb " << cb << " males " << males << " utifemp " << fp
                                            << " utifemcr " << fc);
          progeny_structure(*m);
          for (int j = 0; j <= cb; ++j)
            EXPECT_NEAR(all_categories(*m, j), calves_born(*m, j), 1e-6) << "j " << j;
          // One heifer enters the herd per first calving, and one calf is born per calving.
          EXPECT_EQ(l1(*m, 0, 22), static_cast<float>(m->l3[0]));
          EXPECT_NEAR(m->psum, 1.0, 1e-6);
        }
}

// A cross-bred system in which every heifer is mated with a beef bull, so
// the pure-bred female calves do not depend on the number of first calvings.
// Heifers all conceive at the first insemination and none is lost or culled:
// exactly l3[0] weaned heifers are needed.
std::unique_ptr<Model> heifers_needed_exactly(float* weaned) {
  auto m = herd(1);
  m->cal[1][0] = 1, m->cal[0][0] = 0;
  m->inmaxh = 1, m->crinh[0] = 1, m->kconh[0] = 1;
  m->loshin[0] = 0, m->sfrp[0] = 0;
  m->l3[0] = 0.1;
  progeny_structure(*m);
  *weaned = m->Nfcw[0];
  m->l3[0] = *weaned;
  return m;
}

TEST(Progeny, NoSurplusWhenReplacementTakesEveryWeanedHeifer) {
  // 5 is no use at all: nothing but the replacement itself clears the categories.
  for (int fp = 1; fp <= 5; ++fp) {
    float weaned = 0;
    auto m = heifers_needed_exactly(&weaned);
    m->utifemp = fp;
    derive_flags(*m);
    m->Nfav = 9;
    for (int k : {6, 12, 13, 23, 24}) l1(*m, 0, k) = 9;
    progeny_structure(*m);
    ASSERT_EQ(m->Nfrer, m->Nfcw[0]);
    EXPECT_EQ(m->Nfcw[0], weaned);
    EXPECT_EQ(m->Nfav, 0);
    for (int k : {6, 12, 13, 23, 24, 7, 18, 19}) EXPECT_EQ(l1(*m, 0, k), 0) << "utifemp " << fp << " category " << k;
    EXPECT_EQ(l1(*m, 0, 22), weaned);
  }
}

TEST(ProgenyDeathTest, StopsWhenTooFewHeifersAreWeaned) {
  float weaned = 0;
  auto m = heifers_needed_exactly(&weaned);
  m->l3[0] = std::nextafter(weaned, 1.0f);  // one more heifer than weaned, at float resolution
  EXPECT_EXIT(
      {
        dup2(2, 1);
        progeny_structure(*m);
      },
      ::testing::ExitedWithCode(0),
      "not enough dairy heifers for \nreplacement\\. Decrease the proportion of cows mated with beef bulls\n"
      "and/or change");

  auto p = herd(0);
  p->crinh[0] = 0.2f;  // heifers hardly conceive
  EXPECT_EXIT(
      {
        dup2(2, 1);
        progeny_structure(*p);
      },
      ::testing::ExitedWithCode(0),
      "not enough dairy heifers for \nreplacement\\. Change one or more of the following parameters in \n"
      "INPUT07\\.TXT: cow losses");
}

TEST(Progeny, WithoutEarlyDeathRatesCalfLossesAreAllBornDead) {
  auto m = herd(1);
  for (int c = 0; c < 4; ++c) m->dcd[c] = m->dce[c] = 0;
  m->kpm2[0] = m->kpm2[1] = 7;
  m->dead48f[0][2] = m->dead48m[1][3] = 7;
  progeny_structure(*m);
  for (int j = 0; j <= 1; ++j) {
    EXPECT_EQ(l1(*m, j, 2), 0);
    EXPECT_EQ(m->kpm2[j], 7);
    EXPECT_EQ(m->calfloss[j], l1(*m, j, 1));
  }
  EXPECT_EQ(m->dead48f[0][2], 7);
  EXPECT_EQ(m->dead48m[1][3], 7);

  // Run for the trait calf losses: the raised total is all born dead.
  const float raised[] = {1.01f * m->calfloss[0], 1.01f * m->calfloss[1]};
  const float kpm1[] = {m->kpm1[0], m->kpm1[1]};
  m->trait = 2, m->irun = 167;
  m->calfloss[0] = raised[0], m->calfloss[1] = raised[1];
  progeny_structure(*m);
  for (int j = 0; j <= 1; ++j) {
    EXPECT_EQ(l1(*m, j, 2), 0);
    EXPECT_NEAR(l1(*m, j, 1), raised[j], 1e-6 * raised[j]);
    EXPECT_NEAR(m->pm[j][1] / m->pf[j][1], kpm1[j], 1e-5);
    EXPECT_NEAR(all_categories(*m, j), calves_born(*m, j), 1e-6);
  }
}

TEST(Progeny, CalfLossRunSplitsTheChangedTotalLikeTheBaseRun) {
  auto m = herd(1);
  progeny_structure(*m);
  const float base1 = l1(*m, 0, 1), base2 = l1(*m, 0, 2), base_loss = m->calfloss[0];
  const float kp21 = m->kp21[1], kpm1 = m->kpm1[1], kpm2 = m->kpm2[1];
  ASSERT_GT(l1(*m, 1, 2), 0);
  const float lowered = 0.99f * m->calfloss[1];

  // Weights only for the cross-bred calves: the pure-bred losses stay as computed.
  m->trait = 2, m->irun = 172, m->ja = 1, m->jb = 1;
  m->calfloss[0] = 123, m->calfloss[1] = lowered;
  progeny_structure(*m);
  EXPECT_EQ(l1(*m, 0, 1), base1);
  EXPECT_EQ(l1(*m, 0, 2), base2);
  EXPECT_EQ(m->calfloss[0], base_loss);
  EXPECT_NEAR(l1(*m, 1, 1) + l1(*m, 1, 2), lowered, 1e-6 * lowered);
  EXPECT_NEAR(l1(*m, 1, 2) / l1(*m, 1, 1), kp21, 1e-5 * kp21);
  EXPECT_NEAR(m->pm[1][1] / m->pf[1][1], kpm1, 1e-5 * kpm1);
  EXPECT_NEAR(m->pm[1][2] / m->pf[1][2], kpm2, 1e-5 * kpm2);
  EXPECT_NEAR(all_categories(*m, 1), calves_born(*m, 1), 1e-6);
  // The ratios belong to the base run alone.
  EXPECT_EQ(m->kp21[1], kp21);
  m->trait = 0, m->irun = 176, m->kp21[0] = 42;
  progeny_structure(*m);
  EXPECT_EQ(m->kp21[0], 42);
}

TEST(Progeny, SurplusHeifersRearedForSaleAreAllAccountedFor) {
  auto sold = herd(0);
  progeny_structure(*sold);
  const float surplus = sold->Nfav;
  ASSERT_GT(surplus, 0.01f);
  EXPECT_EQ(l1(*sold, 0, 8), surplus);
  const float reared = sum_of_categories(*sold, 0, {7, 18, 19, 23, 24});
  const double tconh = sold->tconh;
  // Heifers that survive rearing and are not culled before mating.
  const double fit = (1.0 - sold->sfrp[0]) * (1.0 - sold->loshin[0]) * surplus;

  for (int fp = 3; fp <= 4; ++fp) {
    auto m = herd(0);
    m->utifemp = fp;
    progeny_structure(*m);
    EXPECT_EQ(m->Nfav, surplus);
    EXPECT_EQ(l1(*m, 0, 8), 0);
    EXPECT_NEAR(sum_of_categories(*m, 0, {7, 18, 19, 23, 24}) - reared, surplus, 2e-7) << "utifemp " << fp;
    // Sold before mating, or mated and sold when pregnant.
    const double sold_heifers = fp == 3 ? l1(*m, 0, 23) : l1(*m, 0, 24);
    EXPECT_NEAR(sold_heifers, fp == 3 ? fit : fit * tconh, 1e-7);
  }
}

TEST(Progeny, CrossbredBreedingHeifers) {
  auto m = herd(1);
  m->utifemcr = 3;
  derive_flags(*m);
  m->age[cat(*m, 1, 23)] = m->agew[1];  // sold at weaning
  l1(*m, 1, 7) = l1(*m, 1, 18) = 5;
  m->d[cat(*m, 1, 7)] = 5;
  progeny_structure(*m);
  EXPECT_EQ(l1(*m, 1, 23), m->Nfcw[1]);
  EXPECT_EQ(l1(*m, 1, 7), 0);
  EXPECT_EQ(l1(*m, 1, 18), 0);
  EXPECT_EQ(m->d[cat(*m, 1, 7)], 5);

  m->age[cat(*m, 1, 23)] = 400;  // reared on the farm for 340 days after weaning
  progeny_structure(*m);
  EXPECT_EQ(m->d[cat(*m, 1, 7)], 170);
  EXPECT_GT(l1(*m, 1, 7), 0);
  EXPECT_NEAR(sum_of_categories(*m, 1, {7, 18, 23}), m->Nfcw[1], 1e-7);
  EXPECT_NEAR(l1(*m, 1, 23), (1 - 0.08) * (1 - 0.05) * m->Nfcw[1], 1e-7);
}

TEST(Progeny, CrossbredFemaleCalvesSoldOrFattened) {
  for (int fc : {1, 2, 4}) {
    auto m = herd(1);
    m->utifemcr = fc;
    derive_flags(*m);
    progeny_structure(*m);
    const double weaned = m->Nfcw[1];
    const double sold = fc == 1 ? 1.0 : fc == 2 ? 0.0 : m->exfc;
    EXPECT_NEAR(l1(*m, 1, 8), sold * weaned, 1e-7) << "utifemcr " << fc;
    EXPECT_NEAR(sum_of_categories(*m, 1, {6, 12, 13}), (1 - sold) * weaned, 1e-7) << "utifemcr " << fc;
    EXPECT_NEAR(l1(*m, 1, 6), m->dfcf[1] * (1 - sold) * weaned, 1e-8) << "utifemcr " << fc;
    EXPECT_EQ(l1(*m, 1, 23), 0);
  }
}

TEST(Progeny, CalvesFromBirthToWeaning) {
  auto m = herd(1);
  progeny_structure(*m);
  double difficult_all = 0;
  for (int j = 0; j <= 1; ++j) {
    // Half the calves are female. Abortions and stillbirths, and deaths of
    // the live-born within 48 hours, are more frequent after a difficult
    // calving; the calves alive at 48 hours then face dcw to weaning.
    double born_dead = 0, difficult = 0, females_at_48h = 0;
    for (int c = 0; c < 4; ++c) {
      const double calvings = m->l3[c] * m->cal[j][c];
      const double dys = m->dys[j][c], dysf = m->dysf[j][c];
      born_dead += calvings * (m->ab[c] + m->stcd[c] * dys + m->stce[c] * (1 - dys));
      difficult += calvings * dys;
      const double females_alive = 0.5 * calvings * (1 - (m->ab[c] + m->stcd[c] * dysf + m->stce[c] * (1 - dysf)));
      females_at_48h += females_alive * (1 - (m->dcd[c] * dysf + m->dce[c] * (1 - dysf)));
    }
    EXPECT_NEAR(l1(*m, j, 1), born_dead, 1e-7);
    EXPECT_NEAR(m->Nfc48a[j], females_at_48h, 1e-7);
    EXPECT_NEAR(m->Nfcw[j], females_at_48h * (1 - m->dcw[j]), 1e-7);
    EXPECT_NEAR(m->totcal[j], calves_born(*m, j), 1e-7);
    EXPECT_EQ(m->Ncal[j], m->totcal[j]);
    EXPECT_NEAR(m->dysav[j], difficult / calves_born(*m, j), 1e-6);
    difficult_all += difficult;
  }
  EXPECT_NEAR(m->dysavave, difficult_all, 1e-7);
}

TEST(Progeny, PureBredSystemLeavesTheCrossbredBlockUntouched) {
  auto m = herd(0);
  for (int k = 1; k <= 24; ++k) l1(*m, 1, k) = 3, m->d[cat(*m, 1, k)] = 3;
  m->Ncal[1] = m->pf[1][1] = m->pm[1][2] = m->Nfcw[1] = m->kp21[1] = m->calfloss[1] = 3;
  progeny_structure(*m);
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(l1(*m, 1, k), 3) << k;
    EXPECT_EQ(m->d[cat(*m, 1, k)], 3) << k;
    EXPECT_EQ(m->p_tot[k], l1(*m, 0, k)) << k;
  }
  EXPECT_EQ(m->Ncal[1] + m->pf[1][1] + m->pm[1][2] + m->Nfcw[1] + m->kp21[1] + m->calfloss[1], 18);
}

TEST(Progeny, RoundingResiduesAreClearedAfterTheTotals) {
  auto m = herd(1);
  l1(*m, 0, 5) = -5e-7f;
  l1(*m, 1, 5) = 0.25f;
  l1(*m, 0, 9) = 0.5f;
  l1(*m, 1, 9) = -2e-6f;  // a real deficit, kept
  progeny_totals(*m);
  clear_rounding_residues(*m);
  EXPECT_EQ(l1(*m, 0, 5), 0);
  EXPECT_NEAR(m->p_tot[5], 0.25 - 5e-7, 3e-8);
  EXPECT_EQ(l1(*m, 1, 9), -2e-6f);
  EXPECT_NEAR(m->psum, 0.75 - 5e-7 - 2e-6, 1e-7);
}

TEST(Progeny, RoundingResidueOfTheReplacementIsClearedButCounted) {
  // Without losses in rearing, the heifers lost are zero up to rounding;
  // find a culling share that leaves them slightly negative.
  bool found = false;
  for (int i = 0; i < 40 && !found; ++i) {
    auto m = herd(0);
    m->loshin[0] = 0;
    m->sfrp[0] = 0.02f + 0.003f * i;
    progeny_structure(*m);
    if (m->p_tot[7] < 0) {
      found = true;
      EXPECT_GT(m->p_tot[7], -1e-6);
      EXPECT_EQ(l1(*m, 0, 7), 0);
    }
  }
  EXPECT_TRUE(found) << "no culling share gave a negative residue";

  // All male calves sold or tested: nothing is left for fattening, and a
  // rounding residue below zero does not count as animals.
  for (int i = 0; i < 40; ++i) {
    auto m = herd(0);
    m->mtest[0] = 0.05f + 0.005f * i, m->mxmc[0] = 1 - m->mtest[0];
    m->cast[0] = 0, m->pcmf[0] = 0;
    derive_flags(*m);
    progeny_structure(*m);
    EXPECT_GE(m->Nmcf[0], 0) << "mtest " << m->mtest[0];
    EXPECT_LT(m->Nmcf[0], 1e-6);
  }
}

TEST(Progeny, LiveBornCalvesAndHeifersToMateAreFormedInDouble) {
  int differs = 0;
  for (int i = 0; i < 20; ++i) {
    auto m = herd(1);
    m->l3[0] = 0.27 + 0.0007 * i;
    progeny_structure(*m);
    EXPECT_EQ(m->Nfmat, static_cast<float>(m->l3[0] / m->tconh));
    differs += m->Nfmat != static_cast<float>(m->l3[0]) / m->tconh;
    if (i > 0) continue;
    for (int j = 0; j <= 1; ++j)
      for (int c = 0; c < 4; ++c) {
        const float df = m->dysf[j][c];
        const float rate = m->dce[c] * (1 - df) + df * m->dcd[c];
        const float in_double = static_cast<float>(rate * (0.5 - static_cast<double>(m->deadfc[j][c])));
        EXPECT_EQ(m->dead48f[j][c], in_double);
        differs += in_double != rate * (0.5f - m->deadfc[j][c]);
      }
  }
  EXPECT_GE(differs, 2) << "inputs do not tell the precisions apart";
}

}  // namespace
}  // namespace zelvan
