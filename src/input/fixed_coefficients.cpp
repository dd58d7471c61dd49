// Ratio coefficients fixed once after the input. A run that changes a trait
// changes its base value; the quantities tied to it keep their ratio to it,
// so they follow the change in proportion (the conception rate at later
// inseminations follows the first, the male birth weight the female one,
// the gains of heifers the gain of calves, and so on).
#include <cstdio>

#include "herd/statistics.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// A value that others are expressed relative to must not be zero.
void require_nonzero(float divisor, const char* file, const char* item) {
  if (divisor == 0.0f) stop_zero_divisor(file, item);
}

// Names of the divisors of breed index j, for the message.
const char* named(int j, const char* pure_bred, const char* cross_bred) { return j == 0 ? pure_bred : cross_bred; }

// Inputs that the herd phases divide by in every run: weaning age (calf
// losses before weaning), gain of rearing heifers (age at first mating),
// gains of fattened bulls and castrates (age at slaughter), and calves of
// beef bulls when the system is said to produce them (shares of difficult
// calvings per breed index).
void check_herd_divisors(const Model& m) {
  for (int j = 0; j <= m.cb; ++j) {
    if (!(m.agew[j] > 0.0f))
      stop_not_positive("INPUT15.TXT",
                        named(j, "agew (age at weaning of pure-bred calves)", "agew (age at weaning of cross-bred calves)"),
                        m.agew[j]);
    require_nonzero(m.adghm[j], "INPUT15.TXT",
                    named(j, "adghm (daily gain of pure-bred heifers to first mating)",
                          "adghm (daily gain of cross-bred heifers to first mating)"));
    if (m.pbf[j] == 1)
      require_nonzero(m.adgwsm[j], "INPUT15.TXT",
                      named(j, "adgwsm (daily gain of pure-bred bulls in fattening)",
                            "adgwsm (daily gain of cross-bred bulls in fattening)"));
    if (m.cast[j] == 1)
      require_nonzero(m.adgwsc[j], "INPUT15.TXT",
                      named(j, "adgwsc (daily gain of pure-bred castrates in fattening)",
                            "adgwsc (daily gain of cross-bred castrates in fattening)"));
  }
  if (m.cb == 1) {
    float beef_matings = m.pcrossh;
    for (int c = 0; c < m.LL - 1; ++c) beef_matings += m.pcross[c];
    if (!(beef_matings > 0.0f)) stop_no_beef_matings();
  }
}

}  // namespace

void fixed_coefficients(Model& m) {
  std::printf("Testing data and calculating several coefficients\n");
  check_herd_divisors(m);

  // 1. Conception rates relative to the first insemination.
  if (m.inmax > 0) require_nonzero(m.ecrinc[0], "INPUT07.TXT", "ecrinc (conception rate of cows at the first insemination)");
  for (int k = 0; k < m.inmax; ++k) m.kconc[k] = m.ecrinc[k] / m.ecrinc[0];
  if (m.inmaxh > 0) {
    require_nonzero(m.crinh[0], "INPUT07.TXT", "crinh (conception rate of heifers at the first insemination)");
  }
  for (int k = 0; k < m.inmaxh; ++k) m.kconh[k] = m.crinh[k] / m.crinh[0];

  // 2. Birth weights, gains and dressing percentages relative to the
  // female (heifer) values.
  for (int j = 0; j <= m.cb; ++j) {
    require_nonzero(m.bwf[j], "INPUT15.TXT",
                    named(j, "bwf (birth weight of pure-bred female calves)",
                          "bwf (birth weight of cross-bred female calves)"));
    m.kbwmf[j] = m.bwm[j] / m.bwf[j];
    require_nonzero(m.adgcf[j], "INPUT15.TXT",
                    named(j, "adgcf (daily gain of pure-bred female calves)",
                          "adgcf (daily gain of cross-bred female calves)"));
    m.kgcmf[j] = m.adgcm[j] / m.adgcf[j];
    m.kghcf[j] = m.adghm[j] / m.adgcf[j];
    m.kghccf[j] = m.adghmc[j] / m.adgcf[j];
    require_nonzero(m.dresh[j], "INPUT15.TXT",
                    named(j, "dresh (dressing percentage of pure-bred heifers)",
                          "dresh (dressing percentage of cross-bred heifers)"));
    m.kdresbh[j] = m.dresb[j] / m.dresh[j];
    if (m.cast[j] == 1) m.kdresch[j] = m.dresc[j] / m.dresh[j];
  }

  // 3. Test bulls kept after weaning grow in proportion to the calves.
  if (m.age[10] > m.agew[0]) m.kg10 = m.adg10 / m.adgcf[0];

  // 4. Cows relative to heifers, and weight at first mating relative to
  // mature weight.
  m.kdrescwh = m.drescw / m.dresh[0];
  require_nonzero(m.mcwd, "INPUT11.TXT", "mcwd (mature weight of dairy cows)");
  m.kmatc = m.whmat1[0] / m.mcwd;

  // 5. Gains of fattened bulls and castrates relative to the reference gain
  // of fattening (heifers, or the group that stands in for them).
  for (int j = 0; j <= m.cb; ++j) {
    if (m.pbf[j] == 1 || m.cast[j] == 1) {
      require_nonzero(m.adgwsf[j], "INPUT15.TXT",
                      named(j, "adgwsf (reference daily gain of pure-bred animals in fattening)",
                            "adgwsf (reference daily gain of cross-bred animals in fattening)"));
    }
    if (m.pbf[j] == 1) m.kgainmf[j] = m.adgwsm[j] / m.adgwsf[j];
    if (m.cast[j] == 1) m.kgaincf[j] = m.adgwsc[j] / m.adgwsf[j];
  }

  // 6. Slaughter weights relative to the mature weight of the dam's breed.
  const bool crossbred = m.cb == 1;
  auto mcwb_needed = [&]() {
    require_nonzero(m.mcwb, "INPUT11.TXT", "mcwb (mature weight of cows of the beef breed)");
  };
  if (m.pff[0] + m.pff[1] > 0) m.kslh[0] = m.whfat[0] / m.mcwd;
  if (crossbred && m.pff[1] == 1) {
    mcwb_needed();
    m.kslh[1] = m.whfatb / m.mcwb;
  }
  if (m.cast[0] + m.cast[1] > 0) m.kslc[0] = m.wcfat[0] / m.mcwd;
  if (crossbred && m.cast[1] == 1) {
    mcwb_needed();
    m.kslc[1] = m.wcfatb / m.mcwb;
  }
  if (m.pbf[0] + m.pbf[1] > 0) m.kslb[0] = m.wbfat[0] / m.mcwd;
  if (crossbred && m.pbf[1] == 1) {
    mcwb_needed();
    m.kslb[1] = m.wbfatb / m.mcwb;
  }

  // 7. Cell-count class limits as somatic cell scores.
  for (int i = 0; i < m.nSCC - 1; ++i) {
    // The score is a logarithm of the cell count: a limit must be a count.
    if (!(m.tSCC[i] > 0.0f))
      stop_not_positive("INPUT28.TXT", "tSCC (a class limit of the somatic cell count, cells per ml)", m.tSCC[i]);
    m.tSCS[i] = scs(m.tSCC[i]);
  }
}

}  // namespace zelvan
