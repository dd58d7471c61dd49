// Gene-flow and trait-selection data: the age classes of the selection
// groups with the gene-transmission rows of the gene-flow matrix
// (INPUT27.TXT), the choice between alternative trait definitions
// (INPUT31.TXT, T.TXT), the marks that decide which traits are evaluated,
// and the genetic standard deviations (INPUT32.TXT or INPUT33.TXT).
#include <cstdio>

#include "input/items.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// The gene-flow model numbers its age classes 1..acm with
// acm = acsb + acdd + acsd + acdc + 3 (beef sires, dairy dams, dairy sires,
// cross-bred progeny, then three calf classes), and PM is indexed by these
// numbers. Counts within their own bounds therefore keep every class
// number inside PM.
static_assert(ACSB + ACDD + ACSD + ACDC + 3 <= ACM - 1, "age classes of the gene-flow model exceed PM");


// One gene-transmission row: the shares of the genes of the first class of
// a group that come from each age class of the parent group. The parents
// pass on half of the genes of their offspring, so the shares must sum to
// 0.5; the sum is kept in single precision as the values are added.
void read_transmission_row(Model& m, Io& io, TextIn& in, int path, int row, int first, int last) {
  float sum = 0.0f;
  for (int c = first; c <= last; ++c) {
    m.PM[row][c] = scan_double(in);
    sum = static_cast<float>(sum + m.PM[row][c]);
  }
  if (sum < 0.49999 || sum > 0.50001) nonsense4(path);
  wrides(in, io.out);
  for (int c = first; c <= last; ++c) std::fprintf(io.out, "%7.4f", m.PM[row][c]);
}

// The selected animals must lie within the age classes of their group. A
// selection group outside 1..3 selects no animals, and n_sac is not used.
void check_selected_class(const Model& m, const char* file) {
  int classes = 0;
  if (m.gene_flow == 1) classes = m.acsd;
  if (m.gene_flow == 2) classes = m.acdd;
  if (m.gene_flow == 3) classes = m.acsb;
  if (m.gene_flow >= 1 && m.gene_flow <= 3 && (m.n_sac < 1 || m.n_sac > classes)) {
    stop_out_of_range(file, "n_sac (age class of the selected animals)", m.n_sac, 1, classes);
  }
}

// The two traits a flag may name; another value keeps the second one.
struct TraitPair {
  int flag;
  int first;
  int second;
};

void warn_unless_pair(const Model& m, const char* file, const TraitPair& p) {
  const int v = m.flag[p.flag];
  if (v == p.first || v == p.second) return;
  char item[32];
  char listed[32];
  std::snprintf(item, sizeof item, "flag %d", p.flag);
  std::snprintf(listed, sizeof listed, "%d or %d", p.first, p.second);
  warn_unlisted(file, item, v, listed);
}

void set_marks(Model& m, const int* traits, int n, int mark) {
  for (int i = 0; i < n; ++i) m.to[traits[i]] = mark;
}

}  // namespace

void read_input27(Model& m, Io& io, TextIn& in) {
  readcom(in);
  m.acsd = read_count(io, in, "acsd (number of age classes of dairy sires)", 0, ACSD);
  m.acdd = read_count(io, in, "acdd (number of age classes of dairy dams)", 0, ACDD);
  if (m.cb != 1) {
    readdes(in);
    readdes(in);
  } else {
    m.acsb = read_count(io, in, "acsb (number of age classes of beef sires)", 0, ACSB);
    if (m.utifemcr == 3) {
      m.acdc = read_count(io, in, "acdc (number of age classes of cross-bred dams)", 0, ACDC);
    } else {
      readdes(in);
    }
  }
  m.n_sac = static_cast<int>(readint(io.out, in));
  check_selected_class(m, in.name);
  m.l_inv = readfloat(io.out, in);
  // The gene flow is followed year by year over the investment period.
  if (m.l_inv > 100) stop_age_too_large(in.name, "l_inv (investment period, years)", 365.0 * m.l_inv);

  for (auto& row : m.PM) {
    for (double& x : row) x = 0.0;
  }
  const int sires = m.acdd + m.acsb + 1;  // first class of the dairy sires
  const int dams = m.acsb + 1;            // first class of the dairy dams
  // 1: sires to sires, 2: sires to dams, 3: dams to sires.
  read_transmission_row(m, io, in, 1, sires, sires, m.acdd + m.acsb + m.acsd);
  read_transmission_row(m, io, in, 2, dams, sires, m.acdd + m.acsb + m.acsd);
  read_transmission_row(m, io, in, 3, sires, dams, m.acsb + m.acdd);
  // 4: beef sires to the cross-bred progeny, only when cross-bred animals
  // have economic weights.
  if (m.ewopt > 0) read_transmission_row(m, io, in, 4, m.acdd + m.acsb + m.acsd + 1, 1, m.acsb);
  std::fputs("\n\n", io.out);
}

void read_input31(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (int i = 1; i <= 3; ++i) m.flag[i] = static_cast<int>(readint(io.out, in));
  readcom(in);
  for (int i = 7; i <= 8; ++i) m.flag[i] = static_cast<int>(readint(io.out, in));
  std::fputs("\n", io.out);
  for (const TraitPair& p : {TraitPair{1, 32, 33}, TraitPair{2, 34, 35}, TraitPair{3, 11, 29}, TraitPair{7, 12, 40},
                             TraitPair{8, 13, 41}})
    warn_unless_pair(m, in.name, p);
}

// T.TXT holds plain numbers without texts; its echo takes its labels from
// the template.
void read_t(Model& m, Io& io, TextIn& in) {
  readcom(in);
  m.flag[4] = scan_int(in);
  m.flag[5] = scan_int(in);
  m.flag[6] = scan_int(in);
  m.flag[3] = scan_int(in);  // replaces the choice of INPUT31.TXT
  m.to3[43] = scan_int(in);
  m.to3[44] = scan_int(in);
  m.to3[47] = scan_int(in);
  m.to3[45] = scan_int(in);
  // Trait 47 becomes a trait mark as it stands, and the results file has a
  // line for every listed trait: it must be 1 or 2.
  if (m.to3[47] < 1 || m.to3[47] > 2) {
    stop_out_of_range(in.name, "the mark of trait 47", m.to3[47], 1, 2);
  }
  for (const TraitPair& p : {TraitPair{4, 6, 26}, TraitPair{5, 7, 27}, TraitPair{6, 8, 28}, TraitPair{3, 11, 29}})
    warn_unless_pair(m, in.name, p);
  // The other marks are only compared with 0 and 1.
  for (int t : {43, 44, 45}) {
    char item[32];
    std::snprintf(item, sizeof item, "the mark of trait %d", t);
    warn_outside(in.name, item, m.to3[t], 0, 2);
  }
  outputrw(io.textd, io.out);
  std::fprintf(io.out, "):  %d ", m.flag[4]);
  outputrw(io.textd, io.out);
  std::fprintf(io.out, "):  %d ", m.flag[5]);
  outputrw(io.textd, io.out);
  std::fprintf(io.out, "):  %d\n\n", m.flag[6]);
}

// Without T.TXT its three template blocks are passed over, so that the
// template stays aligned with the results.
void skip_t_blocks(Model& m, Io& io) {
  (void)m;
  for (int i = 0; i < 3; ++i) outputr(io.textd);
}

void set_trait_marks(Model& m, Io& io) {
  (void)io;
  const bool crossbred_dams = m.cb == 1 && m.utifemcr == 3;  // cross-bred heifers reared for breeding
  const int fattening = m.paf[0] + m.paf[1];

  // Traits that are never listed.
  static const int kUnlisted[] = {14, 15, 16, 17, 19, 20, 21, 22, 24, 25};
  set_marks(m, kUnlisted, 10, 0);
  // Cross-bred traits without cross-breeding.
  static const int kCrossbred[] = {6, 7, 8, 26, 27, 28, 47};
  if (m.cb == 0) set_marks(m, kCrossbred, 7, 1);
  if (fattening == 0) m.to[9] = 1;
  if (m.rfi_calf == 0) m.to[42] = 1;
  if (m.rfi_h == 0 && m.to3[43] == 1) m.to[43] = 1;
  if (!(m.rfi_fa != 0 && fattening != 0)) {
    if (m.to3[44] == 1) m.to[44] = 1;
  }
  if (m.rfi_cow == 0 && m.to3[45] == 0) m.to[45] = 1;
  if (m.mast_inc == 0) m.to[37] = 1;
  if (m.claw_inc == 0 || m.ewopt == 1) m.to[46] = 1;

  // Each flag names the trait of its pair that stays evaluated; any other
  // value keeps the second trait of the pair.
  if (m.flag[1] == 32) m.to[33] = 1; else m.to[32] = 1;
  if (m.flag[2] == 34) m.to[35] = 1; else m.to[34] = 1;
  if (m.flag[3] == 11) m.to[29] = 1; else m.to[11] = 1;
  if (crossbred_dams) {
    if (m.flag[4] == 6) m.to[26] = 1; else m.to[6] = 1;
    if (m.flag[5] == 7) m.to[27] = 1; else m.to[7] = 1;
    if (m.flag[6] == 8) m.to[28] = 1; else m.to[8] = 1;
  } else {
    if (m.flag[7] == 12) m.to[40] = 1; else m.to[12] = 1;
    if (m.flag[8] == 13) m.to[41] = 1; else m.to[13] = 1;
    static const int kDamTraits[] = {6, 7, 8, 26, 27, 28};
    set_marks(m, kDamTraits, 6, 1);
  }
  if (crossbred_dams) {
    m.to[40] = 1;
    m.to[12] = 2;
    m.to[41] = 1;
    m.to[13] = 2;
    m.to[47] = m.to3[47];
  } else {
    m.to[47] = 1;
  }
  if (m.ewopt == 1 && m.gene_flow == 3 && m.utifemcr != 3) m.to[4] = 1;
  if (m.ind_RCT == 0) m.to[38] = 1;
  if (m.ind_a30 == 0) m.to[39] = 1;
  if (m.ewopt == 1) {
    for (int t = 31; t <= 39; ++t) m.to[t] = 1;
  }

  // Components in the gene-flow weighting: expressed in the calves (kind 0
  // or 2) and in the cows (kind 1 or 2); the cow component reaches the herd
  // through beef sires only when their daughters are kept for breeding.
  const bool cow_component = m.gene_flow < 3 || (m.gene_flow == 3 && m.utifemcr == 3);
  for (int t = 1; t < NT; ++t) {
    if (m.to[t] != 2) continue;
    if (m.tt[t] == 0 || m.tt[t] == 2) m.delta_d[t] = 1;
    if (m.tt[t] > 0 && cow_component) m.delta_m[t] = 1;
  }
}

void read_input32(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (int t = 1; t < NT; ++t) {
    if (m.to[t] == 1) {
      readdes(in);
    } else if (m.to[t] == 2) {
      if (m.tt[t] == 2) {
        m.gstd_d[t] = scan_float(in);
        m.gstd_m[t] = scan_float(in);
        wrides(in, io.out);
        std::fprintf(io.out, "%12.4f %12.4f", m.gstd_d[t], m.gstd_m[t]);
      } else if (m.tt[t] == 0) {
        m.gstd_d[t] = scan_float(in);
        wrides(in, io.out);
        std::fprintf(io.out, "%12.4f", m.gstd_d[t]);
      } else if (m.tt[t] == 1) {
        m.gstd_m[t] = scan_float(in);
        wrides(in, io.out);
        std::fprintf(io.out, "%12.4f", m.gstd_m[t]);
      }
    }
  }
  std::fputs("\n\n", io.out);
}

void read_input33(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (int t = 1; t < NT; ++t) {
    if (m.to[t] == 1) {
      readdes(in);
    } else if (m.to[t] == 2) {
      m.gstd_d[t] = scan_float(in);
      wrides(in, io.out);
      std::fprintf(io.out, "%12.4f", m.gstd_d[t]);
    }
  }
  std::fputs("\n\n", io.out);
}

}  // namespace zelvan
