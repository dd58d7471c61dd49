// Dry matter, feed and drinking water of every category and their costs.
// A ration is described per kg of fresh feed by its dry-matter content and
// per kg of dry matter by its energy and protein density; the dry matter
// eaten covers the energy need, or the larger of the energy and the protein
// need, plus a residual intake per day. Feed lost on the way is paid for
// through a loss factor.
#include "economics/category_groups.h"
#include "economics/economic_phases.h"
#include "economics/nutrition.h"

namespace zelvan {

namespace {

struct Ration {
  float dryf;  // dry matter per kg fresh feed
  float edf;   // MJ NEL per kg dry matter
  float pdid;  // g PDI per kg dry matter
  float rfi;   // residual intake, kg dry matter per day
};

// Where the feed quantities of one animal and period are kept.
struct Feed {
  float& fe;       // fresh feed covering energy, kg
  float& fpdi;     // fresh feed covering protein, kg
  float& tdrye;    // dry matter covering energy, kg
  float& tdrypdi;  // dry matter covering protein, kg
  float& tdry;     // dry matter needed, kg
  float& ddry;     // dry matter eaten per day, kg/day
  float& f;        // fresh feed eaten, kg
};

// Dry matter that covers the requirement of a period. A ration without
// energy (or protein) density leaves that quantity as it was.
void dry_matter_needed(int feedcost, float ne, float pdi, const Ration& r, Feed o) {
  if (r.dryf * r.edf > 0) o.fe = ne / (r.dryf * r.edf);
  if (r.dryf * r.pdid > 0) o.fpdi = pdi / (r.dryf * r.pdid);
  if (r.edf > 0) o.tdrye = ne / r.edf;
  if (r.pdid > 0) o.tdrypdi = pdi / r.pdid;
  if (feedcost == 1) o.tdry = o.tdrypdi > o.tdrye ? o.tdrypdi : o.tdrye;
  if (feedcost == 2) o.tdry = o.tdrye;
}

// Feed eaten over n days: the needed dry matter spread over the days plus
// the residual intake of each day, as fresh feed. Nothing changes for a
// period without days.
void feed_eaten(const Ration& r, float n, double min_dryf, Feed o) {
  if (!(n > 0)) return;
  o.ddry = o.tdry / n + r.rfi;
  if (r.dryf > min_dryf) o.f = o.ddry * n / r.dryf;
}

// One ration quantity of the calves: female calves (8) take the input,
// the male calves (9) and the test bull calves (10) the same through the
// copy for male calves.
void calf_ration(float* x, const float* wf, float* wm, int o, int j) {
  x[o + 8] = wf[j];
  wm[j] = wf[j];
  x[o + 10] = x[o + 9] = wm[j];
}

// The rations are read for one category of each group (12 heifers, 14
// bulls, 17 castrates in fattening, 22 heifers calving, 30 cows) and hold
// for the whole group.
void spread_rations(Model& m) {
  float* const per_category[] = {m.wat, m.edf, m.pdid, m.dryf, m.prf, m.rfi};
  for (int j = 0; j <= last_breed(m); ++j) {
    const int o = m.CC * j;
    calf_ration(m.wat, m.watwf, m.watwm, o, j);
    calf_ration(m.edf, m.edfwf, m.edfwm, o, j);
    calf_ration(m.edf2, m.edfwf2, m.edfwm2, o, j);
    calf_ration(m.pdid, m.pdidwf, m.pdidwm, o, j);
    calf_ration(m.pdid2, m.pdidwf2, m.pdidwm2, o, j);
    calf_ration(m.dryf, m.dryfwf, m.dryfwm, o, j);
    calf_ration(m.dryf2, m.dryfwf2, m.dryfwm2, o, j);
    calf_ration(m.prf, m.prfwf, m.prfwm, o, j);
    calf_ration(m.prf2, m.prfwf2, m.prfwm2, o, j);
    m.rfi[o + 8] = m.rfifc1[j];
    m.rfi[o + 10] = m.rfi[o + 9] = m.rfimc1[j];
    m.rfi2[o + 8] = m.rfifc2[j];
    m.rfi2[o + 10] = m.rfi2[o + 9] = m.rfimc2[j];
    for (float* x : per_category) spread_to_groups(m, j, x);
  }
  for (float* x : per_category) {
    for (int i = 25; i <= m.CC; ++i) x[i] = x[30];
  }
}

// Fattening categories of absent groups are passed over, each test in turn
// (dead bulls, castrates, heifers; slaughtered heifers, bulls, culled
// castrates), in both breed blocks.
int skip_absent_fattening(const Model& m, int i) {
  for (int j = 0; j < J; ++j) {
    const int k = i - cat(m, j, 0);
    if (k >= 1 && k <= 24) return cat(m, j, kept_category(m, j, k));
  }
  return i;
}

Feed feed_of_category(Model& m, int i) {
  return {m.fe[i], m.fpdi[i], m.tdrye[i], m.tdrypdi[i], m.tdry[i], m.ddry[i], m.f[i]};
}

// Calves sold or tested are fed the first-period ration for the days of
// their first period.
bool calf_category(const Model& m, int i) {
  return i == 8 || i == 9 || i == 10 || i == m.CC + 8 || i == m.CC + 9;
}

// Only the pure-bred fattening categories are charged the fattening loss.
float loss_factor(const Model& m, int i) { return (i >= 4 && i <= 6) || (i >= 12 && i <= 17) ? m.kff : m.kfw; }

void category_feed(Model& m, int i) {
  m.costwt[i] = m.d[i] * m.wat[i] * m.prwt;
  // A test bull kept after weaning drinks its own amount from then on.
  if (i == 10 && m.d[10] > m.agew[0]) {
    m.costwt[10] = (m.d[10] - m.agew[0]) * m.wat10 * m.prwt + m.wat[10] * m.prwt * m.agew[0];
  }
  const Ration r{m.dryf[i], m.edf[i], m.pdid[i], m.rfi[i]};
  dry_matter_needed(m.feedcost, m.ne[i], m.pdi[i], r, feed_of_category(m, i));
  const float n = calf_category(m, i) ? m.dc1[i] : m.d[i];
  if (n > 0) {
    feed_eaten(r, n, 0, feed_of_category(m, i));
  } else {
    m.f[i] = 0;
  }
  m.costf[i] = m.costwt[i] + m.f[i] * m.prf[i] * loss_factor(m, i);
}

// The second period of the calves sold (8, 9) and of the test bull calf
// (10), which ends at weaning. A period without days keeps the feed of the
// previous run.
void second_calf_period_feed(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    for (int k = 8; k <= (j == 0 ? 10 : 9); ++k) {
      const int i = m.CC * j + k;
      const Ration r{m.dryf2[i], m.edf2[i], m.pdid2[i], m.rfi2[i]};
      const Feed o{m.fe2[i], m.fpdi2[i], m.tdrye2[i], m.tdrypdi2[i], m.tdry2[i], m.ddry2[i], m.f2[i]};
      dry_matter_needed(m.feedcost, m.ne2[i], m.pdi2[i], r, o);
      // The model counts the test bull calf's second period up to weaning,
      // even when it is sold before.
      m.dc2[i] = k == 10 ? m.agew[0] - m.dc1[10] : m.d[i] - m.dc1[i];
      feed_eaten(r, m.dc2[i], 0, o);
      m.costf[i] = m.costf[i] + m.f2[i] * m.prf2[i] * m.kfw;
    }
  }
}

void test_bull_feed_after_weaning(Model& m) {
  m.ddry10 = m.tdry10 = m.tdrypdi10 = m.tdrye10 = m.fpdi10 = m.fe10 = m.f10 = 0;
  if (m.d[10] > m.agew[0]) {
    const float n = m.d[10] - m.agew[0];
    const Ration r{m.dryf10, m.edf10, m.pdid10, m.rfi10};
    const Feed o{m.fe10, m.fpdi10, m.tdrye10, m.tdrypdi10, m.tdry10, m.ddry10, m.f10};
    dry_matter_needed(m.feedcost, m.ne10, m.pdi10, r, o);
    feed_eaten(r, n, 0.000001, o);
  }
  m.costf[10] = m.costf[10] + m.prf10 * m.f10 * m.kfw;
}

// Calves reared to weaning, in two periods; male calves get the ration of
// the female calves.
void weaned_calf_feed(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    m.costwwm[j] = m.agew[j] * m.watwm[j] * m.prwt;
    m.costwwf[j] = m.agew[j] * m.watwf[j] * m.prwt;
    const float n1 = m.d1w[j], n2 = m.agew[j] - m.d1w[j];
    const Ration male{m.dryfwm[j], m.edfwm[j], m.pdidwm[j], m.rfimc1[j]};
    const Ration female{m.dryfwf[j], m.edfwf[j], m.pdidwf[j], m.rfifc1[j]};
    const Ration male2{m.dryfwm2[j], m.edfwm2[j], m.pdidwm2[j], m.rfimc2[j]};
    const Ration female2{m.dryfwf2[j], m.edfwf2[j], m.pdidwf2[j], m.rfifc2[j]};
    const Feed om{m.fewm[j], m.fpdiwm[j], m.tdryewm[j], m.tdrypdiwm[j], m.tdrywm[j], m.ddrywm[j], m.fwm[j]};
    const Feed of{m.fewf[j], m.fpdiwf[j], m.tdryewf[j], m.tdrypdiwf[j], m.tdrywf[j], m.ddrywf[j], m.fwf[j]};
    const Feed om2{m.fewm2[j], m.fpdiwm2[j], m.tdryewm2[j], m.tdrypdiwm2[j], m.tdrywm2[j], m.ddrywm2[j], m.fwm2[j]};
    const Feed of2{m.fewf2[j], m.fpdiwf2[j], m.tdryewf2[j], m.tdrypdiwf2[j], m.tdrywf2[j], m.ddrywf2[j], m.fwf2[j]};
    dry_matter_needed(m.feedcost, m.newm[j], m.pdiwm[j], male, om);
    feed_eaten(male, n1, 0, om);
    dry_matter_needed(m.feedcost, m.newf[j], m.pdiwf[j], female, of);
    feed_eaten(female, n1, 0, of);
    dry_matter_needed(m.feedcost, m.newm2[j], m.pdiwm2[j], male2, om2);
    feed_eaten(male2, n2, 0, om2);
    dry_matter_needed(m.feedcost, m.newf2[j], m.pdiwf2[j], female2, of2);
    feed_eaten(female2, n2, 0, of2);
    m.costfwm[j] = m.costwwm[j] + m.fwm[j] * m.prfwm[j] * m.kfw + m.fwm2[j] * m.prfwm2[j] * m.kfw;
    m.costfwf[j] = m.costwwf[j] + m.fwf[j] * m.prfwf[j] * m.kfw + m.fwf2[j] * m.prfwf2[j] * m.kfw;
  }
}

}  // namespace

void feed_intake(Model& m) {
  spread_rations(m);
  for (int i = 1; i < m.i4 && i < C; ++i) {
    i = skip_absent_fattening(m, i);
    if (i >= m.i4 || i >= C) break;
    category_feed(m, i);
  }
  second_calf_period_feed(m);
  test_bull_feed_after_weaning(m);
  // The calves reared to weaning come last: their requirements, then their
  // feed.
  weaned_calf_requirements(m);
  weaned_calf_feed(m);
}

}  // namespace zelvan
