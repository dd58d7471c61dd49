// PARAD.TXT: the 24 options that describe the production system. The file is
// read twice, once to echo it into the results file and once for the values.
#include <cstdio>

#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

void store_options(Model& m, const int (&v)[kOptions]) {
  int i = 0;
  m.cb = v[i++];
  m.tech1 = v[i++];
  m.tech2 = v[i++];
  m.matpur = v[i++];
  m.matcross = v[i++];
  m.utifemp = v[i++];
  m.utifemcr = v[i++];
  m.cast[0] = v[i++];
  m.cast[1] = v[i++];
  m.feedcost = v[i++];
  m.ewopt = v[i++];
  m.gene_flow = v[i++];
  m.mast_inc = v[i++];
  m.milkquota = v[i++];
  m.milkprice = v[i++];
  m.ind_a30 = v[i++];
  m.ind_RCT = v[i++];
  m.LL = v[i++];  // kOptionLL
  m.gstd = v[i++];
  m.claw_inc = v[i++];
  m.rfi_calf = v[i++];
  m.rfi_h = v[i++];
  m.rfi_fa = v[i++];
  m.rfi_cow = v[i++];
}

namespace {

// Contradictory combinations of options, tested in this order.
void check_combinations(const Model& m) {
  if (m.cb == 0 && m.gene_flow == 3) nonsense3();
  if (m.cb == 1 && m.ewopt == 0) nonsense7();
  if (m.cb == 1 && m.ewopt == 1 && m.gene_flow != 3) nonsense8();
  if (m.cb == 1 && m.ewopt == 2 && m.gene_flow == 3) nonsense9();
  if (m.ewopt > 0 && m.cb == 0) nonsense10();
  if (m.gstd == 3 && m.cb == 1 && m.utifemcr == 3) nonsense14();
}

struct OptionRange {
  const char* name;
  int Options::*option;
  int lo;
  int hi;
};

// Options whose other values the model cannot carry: the breed index runs
// over 0..cb and the weights over ja..jb, so these must stay inside the two
// breed indices; a female calf outside the four uses would belong to no
// category; a cow needs at least three cycles (the herd structure copies the
// last cycle from the one before, the cow weights use the weight after the
// third calving) and at most as many as the arrays hold.
const OptionRange kRequiredRanges[] = {
    {"cb", &Options::cb, 0, 1},
    {"utifemp", &Options::utifemp, 1, 4},
    {"utifemcr", &Options::utifemcr, 1, 4},
    {"ewopt", &Options::ewopt, 0, 2},
    {"LL", &Options::LL, 3, L},
};

// Options with listed values. Another value still runs: the formulas test
// for the listed values one by one, and a value that none of the tests
// takes leaves what it selects unchanged (a maturity type outside 1..3
// keeps the energy and protein factors, a milk quota of 0 is not above 1).
const OptionRange kListedValues[] = {
    {"tech1", &Options::tech1, 1, 2},
    {"tech2", &Options::tech2, 1, 3},
    {"matpur", &Options::matpur, 1, 3},
    {"matcross", &Options::matcross, 1, 3},
    {"feedcost", &Options::feedcost, 1, 2},
    {"gene_flow", &Options::gene_flow, 1, 3},
    {"mast_inc", &Options::mast_inc, 0, 1},
    {"milkquota", &Options::milkquota, 1, 3},
    {"milkprice", &Options::milkprice, 1, 5},
    {"ind_a30", &Options::ind_a30, 0, 1},
    {"ind_RCT", &Options::ind_RCT, 0, 1},
    {"gstd", &Options::gstd, 1, 3},
    {"claw_inc", &Options::claw_inc, 0, 1},
    {"rfi_calf", &Options::rfi_calf, 0, 1},
    {"rfi_h", &Options::rfi_h, 0, 1},
    {"rfi_fa", &Options::rfi_fa, 0, 1},
    {"rfi_cow", &Options::rfi_cow, 0, 1},
};

void check_ranges(const Model& m) {
  for (const OptionRange& r : kRequiredRanges) {
    const int value = m.*(r.option);
    if (value < r.lo || value > r.hi) stop_out_of_range("PARAD.TXT", r.name, value, r.lo, r.hi);
  }
  for (const OptionRange& r : kListedValues) warn_outside("PARAD.TXT", r.name, m.*(r.option), r.lo, r.hi);
  // Only cast = 1 castrates; any other value leaves the males uncastrated.
  const char* cast_names[J] = {"cast (pure-bred)", "cast (cross-bred)"};
  for (int j = 0; j < J; ++j) warn_outside("PARAD.TXT", cast_names[j], m.cast[j], 0, 1);
}

void derive_dimensions(Model& m) {
  m.TT = 6 * m.LL - 2;
  m.CC = m.TT + 24;
  m.CT = m.TT + 48;
  if (m.ewopt <= 1) {
    m.ja = m.jb = m.ewopt;
  } else {
    m.ja = 0;
    m.jb = 1;
  }
  m.i4 = m.cb == 1 ? m.CT + 1 : m.CC + 1;
}

}  // namespace

void read_parad(Model& m, Io& io) {
  // The echo comes first, so it shows the values as the user wrote them.
  TextIn in = open_text("PARAD.TXT");
  outputrw(in, io.out);
  sysvar(in, io.out);
  close_text(in);
  m.prodsys = 4;

  in = open_text("PARAD.TXT");
  in.recorder = io.recorder;
  std::printf("Reading data from PARAD.TXT\n");
  outputr(in);
  int v[kOptions];
  for (int i = 0; i < kOptions; ++i) {
    v[i] = readsyva(in);
    // How many numbers the per-cycle tables of the data files hold follows LL.
    if (i == kOptionLL) mark_count(in);
  }
  close_text(in);
  store_options(m, v);

  check_combinations(m);
  check_ranges(m);
  if (m.cb == 0) m.cast[1] = 0;
  derive_dimensions(m);
  outputrw(io.textd, io.out);
}

}  // namespace zelvan
