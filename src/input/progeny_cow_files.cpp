// INPUT15.TXT (progeny and fattening) and INPUT11.TXT (cows).
//
// INPUT15.TXT gives most values once per breed index: the pure-bred value and,
// in a system that mates cows with beef bulls, the cross-bred one. From it and
// from the options the reader decides which fattening categories exist (bulls,
// castrates, heifers) and corrects a castration option that has no male
// calves left to castrate. INPUT11.TXT holds the scalar parameters of the
// cows; the cow values of the per-category arrays go to element 30, the cow
// category of cycle 1 surviving to the next calving, where the feeding and
// cost phases look for them.
#include <cstdio>
#include <initializer_list>

#include "input/items.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// Element of the per-category arrays that carries the cow values (herd state
// 6: cycle 1, survives to the next calving) and the one that carries the
// disposal cost of a dead cow (herd state 1: cycle 1, lost).
constexpr int kCow = 30;
constexpr int kDeadCow = 25;

// Tolerances of the tests on shares: a sum of shares above 0.999999 leaves
// nothing over, one above 1.000001 is more than all animals.
constexpr double kAlmostOne = 0.999999;
constexpr double kAboveOne = 1.000001;
constexpr double kAlmostZero = 1e-6;


// The options promised castrates of breed index j, but every male calf is
// sold or goes to the performance test. This is not an error: castration is
// switched off and the user is told so in the results file.
void castration_warning(std::FILE* out, int j) {
  std::fputs("\n\n", out);
  std::fputs("*************************************************\n", out);
  std::fputs("* W a r n i n g !                               *\n", out);
  std::fputs("* In PARAD.TXT you have stated that there are   *\n", out);
  if (j == 0) {
    std::fputs("* pure-bred castrates for fattening, but there  *\n", out);
  } else {
    std::fputs("* cross-bred castrates for fattening, but there *\n", out);
  }
  std::fputs("* are no male calves which can be castrated.    *\n", out);
  std::fputs("* Therefore your wrong parameter from PARAD.TXT *\n", out);
  std::fputs("* was corrected and set to zero.                *\n", out);
  std::fputs("*************************************************\n", out);
  std::fputs("\n", out);
}

void check_castration(Model& m, Io& io) {
  for (int j = 0; j <= m.cb; ++j) {
    if (m.mxmc[j] + m.mtest[j] > kAlmostOne && m.cast[j] == 1) {
      m.cast[j] = 0;
      castration_warning(io.out, j);
    }
  }
}

// Bulls are fattened when some male calves are neither sold nor tested and
// not all of those are castrated.
void set_bull_fattening(Model& m) {
  for (int j = 0; j <= m.cb; ++j) {
    m.pbf[j] = (m.mxmc[j] + m.mtest[j] <= kAlmostOne && m.pcmf[j] * m.cast[j] <= kAlmostOne) ? 1 : 0;
  }
}

// Heifers are fattened when the surplus female calves go to fattening: all
// of them (use 2) or, for the cross-bred calves, those not sold as calves
// (use 4 with a share sold below 1).
void set_heifer_fattening(Model& m) {
  m.pff[0] = m.utifemp == 2 ? 1 : 0;
  if (m.cb == 1) {
    m.pff[1] = (m.utifemcr == 2 || (m.utifemcr == 4 && m.exfc < kAlmostOne)) ? 1 : 0;
  }
  for (int j = 0; j <= m.cb; ++j) m.paf[j] = (m.pbf[j] != 0 || m.cast[j] != 0 || m.pff[j] != 0) ? 1 : 0;
}

// The male calves of breed index j are shared out between sale, test and
// fattening; castrates need a castrated share.
void check_male_calves(const Model& m) {
  for (int j = 0; j <= m.cb; ++j) {
    if (m.mxmc[j] + m.mtest[j] > kAboveOne) nonsense1(j);
  }
  for (int j = 0; j <= m.cb; ++j) {
    if (m.cast[j] == 1 && m.pcmf[j] < kAlmostZero) nonsense2(j);
  }
}

// The daily gain in fattening is changed as one trait through adgwsf, the
// gain of fattened heifers. Where no heifers are fattened, adgwsf takes the
// gain of the first fattening category that exists, bulls before castrates,
// so that the trait always refers to animals that are really fattened.
void set_reference_gain(Model& m) {
  int jmax = m.cb;
  if (m.cast[1] + m.pbf[1] + m.pff[1] <= 0) jmax = 0;
  for (int j = 0; j <= jmax; ++j) {
    if (m.pff[j] != 0) continue;
    if (m.pbf[j] == 1) {
      m.adgwsf[j] = m.adgwsm[j];
    } else if (m.cast[j] == 1) {
      m.adgwsf[j] = m.adgwsc[j];
    }
  }
}

// Per-DD items: one item for each calving-difficulty class in use, then the
// items of the unused classes, which the file always holds, are passed over.
void per_class(Io& io, TextIn& in, int classes, float (&x)[D]) {
  for (int k = 0; k < classes; ++k) x[k] = readfloat(io.out, in);
  for (int k = classes; k < D; ++k) readdes(in);
}

}  // namespace

void read_input15(Model& m, Io& io, TextIn& in) {
  readcom(in);

  pair(m, io, in, m.mxmc[0], m.mxmc[1]);
  // Only pure-bred bull calves go to the performance test.
  m.mtest[0] = scan_float(in);
  inp15a(in, io.out, 0, m.mtest[0], 0.0f);

  check_castration(m, io);
  flagged_pair(m, io, in, m.cast, m.pcmf);
  set_bull_fattening(m);

  scalar_if(m.cb == 1 && m.utifemcr == 4, io, in, m.exfc);
  set_heifer_fattening(m);
  if (m.rfi_fa == 1 && m.paf[0] + m.paf[1] == 0) nonsense15();

  pair(m, io, in, m.bwf[0], m.bwf[1]);
  pair(m, io, in, m.bwm[0], m.bwm[1]);
  pair(m, io, in, m.agec1[0], m.agec1[1]);
  pair(m, io, in, m.agew[0], m.agew[1]);
  pair(m, io, in, m.age[cat(m, 0, 8)], m.age[cat(m, 1, 8)]);
  pair(m, io, in, m.age[cat(m, 0, 9)], m.age[cat(m, 1, 9)]);
  pair(m, io, in, m.adgcf[0], m.adgcf[1]);
  pair(m, io, in, m.adgcm[0], m.adgcm[1]);
  pair(m, io, in, m.age[cat(m, 0, 10)], m.age[cat(m, 1, 10)]);
  pair(m, io, in, m.whmat1[0], m.whmat1[1]);
  pair(m, io, in, m.adghm[0], m.adghm[1]);
  pair(m, io, in, m.adghmc[0], m.adghmc[1]);
  pair(m, io, in, m.dayshc[0], m.dayshc[1]);

  // Breeding heifers sold before mating (23) and pregnant (24) exist among
  // the cross-bred animals only when cross-bred heifers are reared for
  // breeding; otherwise their ages are cleared before they are shown.
  for (int k : {23, 24}) {
    float& x0 = m.age[cat(m, 0, k)];
    float& x1 = m.age[cat(m, 1, k)];
    read_pair(m, in, x0, x1);
    if (m.cb == 1 && m.utifemcr != 3) x1 = 0.0f;
    inp15a(in, io.out, m.cb, x0, x1);
  }

  flagged_pair(m, io, in, m.pff, m.adgwsf);
  flagged_pair(m, io, in, m.pbf, m.adgwsm);
  flagged_pair(m, io, in, m.cast, m.adgwsc);
  pair(m, io, in, m.dresh[0], m.dresh[1]);
  pair(m, io, in, m.dresb[0], m.dresb[1]);
  flagged_pair(m, io, in, m.cast, m.dresc);
  pair(m, io, in, m.dcw[0], m.dcw[1]);
  flagged_pair(m, io, in, m.pbf, m.dmcf);
  flagged_pair(m, io, in, m.pbf, m.nmcf);
  flagged_pair(m, io, in, m.cast, m.dccf);
  flagged_pair(m, io, in, m.cast, m.nccf);
  flagged_pair(m, io, in, m.pff, m.dfcf);
  flagged_pair(m, io, in, m.pff, m.nfcf);
  pair(m, io, in, m.loshin[0], m.loshin[1]);
  pair(m, io, in, m.sfrp[0], m.sfrp[1]);
  std::fputs("\n\n", io.out);

  // The whole file is echoed before its values are judged, so that the
  // results file shows what the user gave.
  close_text(in);
  check_male_calves(m);
  set_reference_gain(m);
}

void read_input11(Model& m, Io& io, TextIn& in) {
  readcom(in);
  const bool crossbred = m.cb == 1;
  const bool fattening = m.paf[0] + m.paf[1] > 0;

  m.DD = read_count(io, in, "DD (number of calving-difficulty classes)", 1, D);
  // A first difficult class above DD leaves no calving difficult.
  m.dyscl = read_count(io, in, "dyscl (first difficult calving class)", 1, kNoLimit);
  m.lgpre = readfloat(io.out, in);
  m.intcm = readfloat(io.out, in);
  m.inint = readfloat(io.out, in);
  m.dd = readfloat(io.out, in);
  m.inmax = read_count(io, in, "inmax (inseminations of a cow)", 1, INS);
  m.inmaxh = read_count(io, in, "inmaxh (inseminations of a heifer)", 1, INS);
  m.nr = readfloat(io.out, in);
  m.crdys = readfloat(io.out, in);
  m.cmd = readfloat(io.out, in);
  m.fat = readfloat(io.out, in);
  m.prot = readfloat(io.out, in);
  m.mcwd = readfloat(io.out, in);
  scalar_if(crossbred, io, in, m.mcwb);
  m.wpreg = readfloat(io.out, in);
  m.adg1cow = readfloat(io.out, in);
  m.ndaydys = readfloat(io.out, in);
  m.drescw = readfloat(io.out, in);
  m.loswf = readfloat(io.out, in);
  scalar_if(fattening, io, in, m.losff);

  m.dryf[kCow] = readfloat(io.out, in);
  m.edf[kCow] = readfloat(io.out, in);
  m.pdid[kCow] = readfloat(io.out, in);
  scalar_if(m.rfi_cow == 1, io, in, m.rfi[kCow]);
  m.kbd = readfloat(io.out, in);
  m.kbl = readfloat(io.out, in);
  m.ktp = readfloat(io.out, in);
  m.ktb = readfloat(io.out, in);
  m.ktf = readfloat(io.out, in);
  m.wat[kCow] = readfloat(io.out, in);
  m.straw[kCow] = readfloat(io.out, in);
  m.dung[kCow] = readfloat(io.out, in);
  m.prf[kCow] = readfloat(io.out, in);

  m.prdg = readfloat(io.out, in);
  m.prst = readfloat(io.out, in);
  m.prwt = readfloat(io.out, in);
  m.praid = readfloat(io.out, in);
  m.praird = readfloat(io.out, in);
  scalar_if(crossbred, io, in, m.praib);
  scalar_if(crossbred, io, in, m.prairb);
  m.prc = readfloat(io.out, in);
  m.kpr[kCow] = readfloat(io.out, in);
  m.costd[kDeadCow] = readfloat(io.out, in);
  m.costv[kCow] = readfloat(io.out, in);
  per_class(io, in, m.DD, m.vetdys);
  per_class(io, in, m.DD, m.labdys);
  m.costlab = readfloat(io.out, in);
  m.varmilk = readfloat(io.out, in);
  m.fix[kCow] = readfloat(io.out, in);

  m.u = readfloat(io.out, in);
  m.dotmilk = readfloat(io.out, in);
  m.dotcowo = readfloat(io.out, in);
  m.dotcowh = readfloat(io.out, in);
  m.dotexpm = readfloat(io.out, in);
  scalar_if(fattening, io, in, m.dotfati);
  m.herdbook = readfloat(io.out, in);
  scalar_if(crossbred, io, in, m.pcrossh);
  std::fputs("\n\n", io.out);
}

}  // namespace zelvan
