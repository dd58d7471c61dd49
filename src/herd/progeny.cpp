// Progeny of one calving: the calves of the herd followed from birth through
// the first 48 hours and rearing to their use (replacement of the cows, sale
// as calves or breeding heifers, performance test, fattening). The result is
// the number of animals per calving in each of the 24 progeny categories of
// each breed index, l1[CC*j + k].
//
// Everything is single precision in the order written, except where a
// quantity is formed from the herd's stationary shares l3 (double): those
// terms are evaluated in double and every running sum over the cycles is
// rounded back to single precision after each addition.
#include "herd/progeny.h"

#include <algorithm>

#include "herd/herd_phases.h"
#include "input/messages.h"

namespace zelvan {

namespace {

float& l1(Model& m, int j, int k) { return m.l1[cat(m, j, k)]; }

// Calves die within 48 hours of birth only when some cycle has a death rate
// after a difficult or an easy calving.
bool calves_die_within_48h(const Model& m) { return m.sdcd + m.sdce > 1e-6; }

// Share of difficult calvings among the calvings giving a calf of each breed
// index, and the calvings giving each breed index.
void dystocia_averages(Model& m) {
  const int nc = cycles(m);
  m.dysav[0] = 0;
  for (int c = 0; c < nc; ++c) m.dysav[0] += m.l3[c] * m.cal[0][c] * m.dys[0][c];
  m.dysav[1] = 0;
  if (m.cb == 1)
    for (int c = 0; c < nc; ++c) m.dysav[1] += m.l3[c] * m.cal[1][c] * m.dys[1][c];
  // Over all calvings: taken while dysav still counts per calving of the herd.
  m.dysavave = m.dysav[0];
  if (m.cb == 1) m.dysavave = m.dysavave + m.dysav[1];
  m.totcal[1] = 0;
  if (m.cb == 1)
    for (int c = 0; c < nc; ++c) m.totcal[1] += m.l3[c] * m.cal[1][c];
  m.totcal[0] = 0;
  for (int c = 0; c < nc; ++c) m.totcal[0] += m.l3[c] * m.cal[0][c];
  for (int j = 0; j <= last_breed(m); ++j) m.dysav[j] = m.dysav[j] / m.totcal[j];
}

void start_calf_counts(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    m.Ncal[j] = 0;
    m.pf[j][1] = 0;
    m.pf[j][2] = 0;
    m.pm[j][1] = 0;
    m.pm[j][2] = 0;
  }
  m.sdcd = 0;
  m.sdce = 0;
  for (int c = 0; c < cycles(m); ++c) {
    m.sdcd = m.sdcd + m.dcd[c];
    m.sdce = m.sdce + m.dce[c];
  }
}

// Calves dead at birth (abortion, stillbirth) and within 48 hours, per
// calving of each cycle and summed over the herd. Half the calves are
// female; a difficult calving raises both stillbirth and early death.
void calf_deaths(Model& m) {
  const bool early_deaths = calves_die_within_48h(m);
  for (int c = 0; c < cycles(m); ++c) {
    for (int j = 0; j <= last_breed(m); ++j) {
      const float df = m.dysf[j][c];
      const float dm = m.dysm[j][c];
      m.deadfc[j][c] = 0.5f * ((m.ab[c] + m.stcd[c] * df) + m.stce[c] * (1 - df));
      m.deadmc[j][c] = 0.5f * ((m.ab[c] + m.stcd[c] * dm) + m.stce[c] * (1 - dm));
      m.pf[j][1] += m.l3[c] * m.cal[j][c] * m.deadfc[j][c];
      m.pm[j][1] += m.l3[c] * m.cal[j][c] * m.deadmc[j][c];
      m.Ncal[j] += m.cal[j][c] * m.l3[c];
      if (early_deaths) {
        // Death rate times the calves of that sex born alive (in double).
        const double alive_f = 0.5 - static_cast<double>(m.deadfc[j][c]);
        const double alive_m = 0.5 - static_cast<double>(m.deadmc[j][c]);
        m.dead48f[j][c] = static_cast<float>((m.dce[c] * (1 - df) + df * m.dcd[c]) * alive_f);
        m.dead48m[j][c] = static_cast<float>((m.dce[c] * (1 - dm) + dm * m.dcd[c]) * alive_m);
        m.pf[j][2] += m.l3[c] * m.cal[j][c] * m.dead48f[j][c];
        m.pm[j][2] += m.l3[c] * m.cal[j][c] * m.dead48m[j][c];
      }
    }
  }
}

// Runs for the trait calf losses: the changed total calfloss (dead at birth
// and within 48 hours) is split over the two categories and the two sexes in
// the proportions of the base run.
void calf_losses_from_changed_total(Model& m) {
  if (m.trait != 2) return;
  const bool early_deaths = calves_die_within_48h(m);
  for (int j = std::max(m.ja, 0); j <= std::min(m.jb, last_breed(m)); ++j) {
    l1(m, j, 1) = m.calfloss[j] / (1 + m.kp21[j]);
    m.pf[j][1] = l1(m, j, 1) / (1 + m.kpm1[j]);
    m.pm[j][1] = l1(m, j, 1) - m.pf[j][1];
    if (early_deaths) {
      l1(m, j, 2) = m.calfloss[j] - l1(m, j, 1);
      m.pf[j][2] = l1(m, j, 2) / (1 + m.kpm2[j]);
      m.pm[j][2] = l1(m, j, 2) - m.pf[j][2];
    }
  }
}

// Calves from birth to weaning. Male calves sold before weaning (exported or
// sent to the performance test) are exposed to the rearing death rate only
// for the part of the rearing period they spend on the farm.
void calves_to_weaning(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    l1(m, j, 1) = m.pm[j][1] + m.pf[j][1];
    m.Nfcba[j] = static_cast<float>(static_cast<double>(m.Ncal[j]) * 0.5 - m.pf[j][1]);
    m.Nmcba[j] = static_cast<float>(static_cast<double>(m.Ncal[j]) * 0.5 - m.pm[j][1]);
    l1(m, j, 2) = m.pm[j][2] + m.pf[j][2];
    m.calfloss[j] = l1(m, j, 2) + l1(m, j, 1);
    m.Nfc48a[j] = m.Nfcba[j] - m.pf[j][2];
    m.Nmc48a[j] = m.Nmcba[j] - m.pm[j][2];
    m.losfw[j] = m.dcw[j] * m.Nfc48a[j];
    m.Nfcw[j] = m.Nfc48a[j] - m.losfw[j];
    const float agew = m.agew[j];
    const float age_sold = m.age[cat(m, j, 9)];
    const float age_test = m.age[cat(m, j, 10)];
    const float kept_to_weaning = (1 - m.mxmc[j]) - m.mtest[j];
    const float exposed_until_sold = m.mxmc[j] * age_sold / agew + m.mtest[j] * age_test / agew;
    m.losmw[j] = (kept_to_weaning + exposed_until_sold) * (m.Nmc48a[j] * m.dcw[j]);
    l1(m, j, 3) = m.losmw[j] + m.losfw[j];
    l1(m, j, 9) = (1 - m.dcw[j] * age_sold / agew) * (m.Nmc48a[j] * m.mxmc[j]);
    l1(m, j, 11) = 0;
  }
}

// Young bulls for the performance test come from the pure-bred calves only.
void test_bulls(Model& m) {
  l1(m, 0, 10) = (1 - m.dcw[0] * m.age[cat(m, 0, 10)] / m.agew[0]) * (m.Nmc48a[0] * m.mtest[0]);
  if (m.cb == 1) l1(m, 1, 10) = 0;
}

// Male calves neither sold nor dead go to fattening, as bulls or castrates;
// each group loses its dead and its early culls before slaughter.
void male_calves_for_fattening(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    float n = (((m.Nmc48a[j] - l1(m, j, 9)) - l1(m, j, 10)) - l1(m, j, 11)) - m.losmw[j];
    if (n > -1e-6 && n < 0) n = 0;
    m.Nmcf[j] = n;
    m.Nmcfc[j] = m.pcmf[j] * m.Nmcf[j];
    if (m.pbf[j] == 0)
      m.Nmcfb[j] = 0;
    else if (m.cast[j] == 1)
      m.Nmcfb[j] = (1 - m.pcmf[j]) * m.Nmcf[j];
    else
      m.Nmcfb[j] = m.Nmcf[j];
    l1(m, j, 4) = m.dmcf[j] * m.Nmcfb[j];
    l1(m, j, 5) = m.dccf[j] * m.Nmcfc[j];
    l1(m, j, 15) = m.nmcf[j] * m.Nmcfb[j];
    l1(m, j, 16) = m.nccf[j] * m.Nmcfc[j];
    l1(m, j, 17) = (m.Nmcfc[j] - l1(m, j, 5)) - l1(m, j, 16);
    l1(m, j, 14) = (m.Nmcfb[j] - l1(m, j, 4)) - l1(m, j, 15);
  }
}

// Conception of heifers over the inseminations. The rates follow a changed
// first rate in proportion; each insemination reaches the heifers still open.
void heifer_conception(Model& m) {
  const int n = heifer_inseminations(m);
  for (int s = 0; s < n; ++s) {
    m.crinh[s] = m.kconh[s] * m.crinh[0];
    float open = 1;
    for (int t = 0; t < s; ++t) open = open - m.conh[t];
    m.conh[s] = m.crinh[s] * open;
  }
  m.tconh = 0;
  for (int s = 0; s < n; ++s) m.tconh = m.tconh + m.conh[s];
  for (int s = 0; s < n; ++s) m.pconh[s] = m.conh[s] / m.tconh;
  m.hmpf = 1 - m.tconh;
}

// Pure-bred female calves reared to replace the cows: l3[0] heifers per
// calving must calve for the first time. Stops when the weaned pure-bred
// female calves cannot supply them.
void replacement_heifers(Model& m) {
  m.Nfmat = static_cast<float>(m.l3[0] / m.tconh);
  m.Nfrer = m.Nfmat / ((1 - m.loshin[0]) * (1 - m.sfrp[0]));
  if (m.Nfrer > m.Nfcw[0]) nonsense11(m.cb);
  l1(m, 0, 21) = 0;
  l1(m, 0, 20) = 0;
  l1(m, 0, 22) = static_cast<float>(m.l3[0]);
  l1(m, 0, 18) = m.sfrp[0] * m.Nfrer;
  l1(m, 0, 19) = m.Nfmat * m.hmpf;
  // What is neither calving, culled before mating nor left open died in rearing.
  l1(m, 0, 7) = ((m.Nfrer - l1(m, 0, 22)) - l1(m, 0, 18)) - l1(m, 0, 19);
  if (m.Nfcw[0] == m.Nfrer) {
    m.Nfav = 0;
    for (int k : {24, 23, 13, 12, 6}) l1(m, 0, k) = 0;
  } else if (m.Nfcw[0] > m.Nfrer) {
    m.Nfav = m.Nfcw[0] - m.Nfrer;
  }
}

// Pure-bred female calves beyond replacement, by their use.
void surplus_purebred_females(Model& m) {
  switch (m.utifemp) {
    case 1:  // sold as calves
      l1(m, 0, 8) = m.Nfav;
      for (int k : {24, 23, 13, 12, 6}) l1(m, 0, k) = 0;
      break;
    case 2:  // fattened
      m.Nffa[0] = m.Nfav;
      l1(m, 0, 24) = 0;
      l1(m, 0, 23) = 0;
      l1(m, 0, 8) = 0;
      if (m.pff[0] == 1) {
        l1(m, 0, 6) = m.dfcf[0] * m.Nffa[0];
        l1(m, 0, 13) = m.nfcf[0] * m.Nffa[0];
        l1(m, 0, 12) = (m.Nffa[0] - l1(m, 0, 6)) - l1(m, 0, 13);
      }
      break;
    case 3:  // reared and sold as breeding heifers before mating
      l1(m, 0, 23) = (1 - m.sfrp[0]) * ((1 - m.loshin[0]) * m.Nfav);
      l1(m, 0, 7) += m.loshin[0] * m.Nfav;
      l1(m, 0, 18) += (m.Nfav - l1(m, 0, 23)) - m.loshin[0] * m.Nfav;
      for (int k : {24, 13, 12, 8, 6}) l1(m, 0, k) = 0;
      break;
    case 4: {  // reared, mated and sold pregnant
      const float mated = (1 - m.sfrp[0]) * ((1 - m.loshin[0]) * m.Nfav);
      l1(m, 0, 24) = mated * m.tconh;
      l1(m, 0, 18) += m.sfrp[0] * m.Nfav;
      l1(m, 0, 19) += (1 - m.tconh) * mated;
      l1(m, 0, 7) +=
          ((1 - m.sfrp[0]) - (1 - m.tconh) * ((1 - m.loshin[0]) * (1 - m.sfrp[0]))) * m.Nfav - l1(m, 0, 24);
      for (int k : {23, 13, 12, 8, 6}) l1(m, 0, k) = 0;
      break;
    }
    default:  // no other use exists; the surplus stays in no category
      break;
  }
}

// Cross-bred female calves never replace cows; their use is an option.
void crossbred_females(Model& m) {
  if (m.cb != 1) return;
  for (int k : {24, 22, 21, 20, 19, 18, 7}) l1(m, 1, k) = 0;
  const float weaned = m.Nfcw[1];
  switch (m.utifemcr) {
    case 1:  // sold as calves
      l1(m, 1, 8) = weaned;
      for (int k : {23, 13, 12, 6}) l1(m, 1, k) = 0;
      break;
    case 2:  // fattened
      l1(m, 1, 23) = 0;
      l1(m, 1, 8) = 0;
      if (m.pff[1] == 1) {
        l1(m, 1, 6) = m.dfcf[1] * weaned;
        l1(m, 1, 13) = m.nfcf[1] * weaned;
        l1(m, 1, 12) = (weaned - l1(m, 1, 6)) - l1(m, 1, 13);
      }
      break;
    case 3: {  // sold as breeding heifers
      l1(m, 1, 23) = weaned;
      const float age_sold = m.age[cat(m, 1, 23)];
      if (age_sold > m.agew[1]) {
        // Reared on the farm after weaning: some are lost or culled first.
        l1(m, 1, 23) = ((1 - m.sfrp[1]) * (1 - m.loshin[1])) * weaned;
        m.d[cat(m, 1, 7)] = (age_sold - m.agew[1]) / 2;  // a heifer lost lives half the time
        l1(m, 1, 18) = m.sfrp[1] * weaned;
        l1(m, 1, 7) = (weaned - l1(m, 1, 23)) - l1(m, 1, 18);
      }
      for (int k : {13, 12, 8, 6}) l1(m, 1, k) = 0;
      break;
    }
    case 4:  // a share sold as calves, the rest fattened
      l1(m, 1, 23) = 0;
      l1(m, 1, 8) = weaned * m.exfc;
      m.Nffa[1] = weaned - l1(m, 1, 8);
      if (m.pff[1] == 1) {
        l1(m, 1, 6) = m.dfcf[1] * m.Nffa[1];
        l1(m, 1, 13) = m.nfcf[1] * m.Nffa[1];
        l1(m, 1, 12) = (m.Nffa[1] - l1(m, 1, 6)) - l1(m, 1, 13);
      }
      break;
    default:
      break;
  }
}

// The base run fixes how calf losses split into dead at birth and within
// 48 hours, and between the sexes; the runs for the trait calf losses keep
// these proportions.
void base_run_loss_ratios(Model& m) {
  if (m.trait != 0 || m.irun != 1) return;
  const bool early_deaths = calves_die_within_48h(m);
  for (int j = 0; j <= last_breed(m); ++j) {
    m.kp21[j] = l1(m, j, 2) / l1(m, j, 1);
    m.kpm1[j] = m.pm[j][1] / m.pf[j][1];
    if (early_deaths) m.kpm2[j] = m.pm[j][2] / m.pf[j][2];
  }
}

}  // namespace

void progeny_totals(Model& m) {
  for (int k = 1; k <= 24; ++k) {
    m.p_tot[k] = 0;
    for (int j = 0; j <= last_breed(m); ++j) m.p_tot[k] = m.p_tot[k] + l1(m, j, k);
  }
  m.psum = 0;
  for (int k = 1; k <= 24; ++k) m.psum = m.psum + m.p_tot[k];
}

void clear_rounding_residues(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j)
    for (int k = 1; k <= 24; ++k)
      if (l1(m, j, k) > -1e-6 && l1(m, j, k) < 0) l1(m, j, k) = 0;
}

void progeny_structure(Model& m) {
  dystocia_averages(m);
  start_calf_counts(m);
  calf_deaths(m);
  calf_losses_from_changed_total(m);
  calves_to_weaning(m);
  test_bulls(m);
  male_calves_for_fattening(m);
  heifer_conception(m);
  replacement_heifers(m);
  surplus_purebred_females(m);
  crossbred_females(m);
  progeny_totals(m);
  base_run_loss_ratios(m);
  clear_rounding_residues(m);
}

}  // namespace zelvan
