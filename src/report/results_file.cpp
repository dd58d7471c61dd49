// The result sections of the results file. Each section copies its label
// blocks from the template and writes its numbers after them; a part that
// does not exist in the configuration passes over its blocks, so that the
// template, written for the richest configuration, stays aligned.
#include "report/results_file.h"

#include <cmath>
#include <cstdio>

#include "report/results_writer.h"
#include "report/weight_tables.h"

namespace zelvan {

namespace {

constexpr float kPresent = 1e-6f;  // a category with more animals per calving exists

// Categories 1..i4-1 in the category layout: pure-bred progeny, cows,
// cross-bred progeny.
template <class Line>
void for_each_present_category(const Model& m, Line line) {
  for (int i = 1; i < m.i4 && i < C; ++i)
    if (m.l1[i] > kPresent) line(i);
}

// Lines "first", "middle", "last" of a list of per-cycle values: the first
// begins with a line end, every line but the last ends with one.
void cycle_lines(ResultsWriter& w, const char* label, int n, const float* values) {
  for (int i = 0; i < n; ++i) {
    if (i == 0) w.text("\n");
    w.integer(label, i + 1);
    w.num("%8.3f", values[i]);
    if (i < n - 1) w.text("\n");
  }
}

void herd_size(ResultsWriter& w) {
  w.copy(2);
  w.integer("\n %8d", w.m.CC);
  w.copy(3);
  w.integer("\nNumber of iterations: %d", w.m.niter);
}

// Cow categories 25..CC are the herd states s = 1..TT at 24 + s.
void stationary_herd(ResultsWriter& w) {
  w.copy(4);
  for (int s = 1; s <= w.m.TT && s < T; ++s) {
    w.integer(s == 1 ? "\n  Category %d: " : "  Category %d: ", 24 + s);
    w.num("%8.4f", w.m.l2[s]);
    w.text("\n");
  }
}

void calvings_per_cycle(ResultsWriter& w) {
  w.copy(2);
  for (int c = 0; c < cycles(w.m); ++c) {
    w.integer(c == 0 ? "\nReproductive cycle %2d: " : "Reproductive cycle %2d: ", c + 1);
    w.num("%8.4f", w.m.l3[c]);
    w.text("\n");
  }
  w.num("Sum: %8.4f", w.m.Ncalt);
  w.text("\n");
}

// The cows of the last cycle are not mated again, so the conception rate of
// the mated cows exists for the cycles 1..LL-1 only.
void conception(ResultsWriter& w) {
  const Model& m = w.m;
  const int n = cycles(m);
  w.copy(3);
  w.num("%8.3f", m.tconh);
  w.copy(1);
  float rate[L] = {};
  for (int c = 0; c < n - 1; ++c) rate[c] = m.cmat[c] > 0 ? m.cp[c] / m.cmat[c] : NAN;
  cycle_lines(w, "  Reproductive cycle %2d: ", n - 1, rate);
  w.copy(1);
  w.num("%8.3f", m.intconh);
  w.copy(1);
  cycle_lines(w, "  Reproductive cycle %2d: ", n, m.intconc);
}

void herd_averages(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(1);
  w.num("%8.2f", m.ciav);
  w.copy(1);
  w.num("%8.2f", m.avelifecl);
  w.copy(1);
  w.num("%8.2f", m.avelifecy);
  w.copy(1);
  w.num("%8.4f", m.dysav[0]);
  w.blocks(m.cb == 1, 1);
  if (m.cb == 1) w.num("%8.4f", m.dysav[1]);
  w.copy(1);
  w.num("%8.4f", m.dysavave);
}

// Cows grow until their third calving: the weights of the first three cycles.
void cow_weights(ResultsWriter& w) {
  const float* rows[] = {w.m.wcacal, w.m.wcc, w.m.wcd, w.m.wccw, w.m.wcdys};
  w.copy(4);
  for (const float* row : rows) {
    w.text("\n  ");
    w.num("%7.1f", row[0]);
    w.num(" %7.1f", row[1]);
    w.num(" %7.1f", row[2]);
  }
  w.text("\n");
}

void progeny_per_category(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(6);
  bool first = true;
  for (int k = 1; k <= 24; ++k) {
    const bool counted = m.l1[k] > kPresent || (m.cb == 1 && m.l1[m.CC + k] > kPresent);
    if (!counted) continue;
    w.integer(first ? "\n  Category %2d: " : "  Category %2d: ", k);
    w.triple("%8.4f", m.l1[k], m.l1[m.CC + k], m.p_tot[k]);
    w.text(m.cb == 1 ? "\n" : " \n");
    first = false;
  }
}

// Calf numbers per calving; the losses and the male calves sold or tested
// are the progeny categories 1, 2, 3, 9 and 10.
void calf_numbers(ResultsWriter& w) {
  const Model& m = w.m;
  const float(*const breed_values[])[J] = {&m.Nfcba, &m.Nmcba, &m.Nfc48a, &m.Nmc48a,
                                           &m.losfw, &m.losmw, &m.Nfcw,   &m.Nmcf};
  w.copy(1);
  w.num("%8.4f", m.avecalc);
  for (const float(*x)[J] : breed_values) {
    w.copy(1);
    w.triple("%8.4f", *x);
  }
  for (int k : {1, 2, 3, 9, 10}) {
    w.copy(1);
    w.triple("%8.4f", m.l1[k], m.l1[m.CC + k], m.p_tot[k]);
  }
  for (float x : {m.Nfmat, m.Nfrer, m.Nfav}) {
    w.copy(1);
    w.num("%8.4f", x);
  }
  w.text("\n");
}

void by_breed(ResultsWriter& w, const float (&x)[J]) {
  w.copy(1);
  printcb(w.m.cb, w.out, x[0], x[1]);
}

void one_value(ResultsWriter& w, const char* fmt, float x) {
  w.copy(1);
  w.num(fmt, x);
}

// A fattened group: age at slaughter, then age and weight of the animals
// dying and of those culled during fattening.
void fattened_group(ResultsWriter& w, bool fattened, const float (&sale)[J], const float (&dead_age)[J],
                    const float (&dead_weight)[J], const float (&cull_age)[J], const float (&cull_weight)[J]) {
  if (!fattened) {
    w.skip(5);
    return;
  }
  for (const float(*x)[J] : {&sale, &dead_age, &dead_weight, &cull_age, &cull_weight}) by_breed(w, *x);
}

void growth(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(3);
  for (const float(*x)[J] : {&m.agedcw, &m.wwf, &m.wwm, &m.wdcwf}) by_breed(w, *x);

  w.copy(3);
  one_value(w, "%8.1f", m.agehmat1[0]);
  one_value(w, "%8.1f", m.ageh1cal[0]);
  one_value(w, "%8.1f", m.wh1cal);
  one_value(w, "%8.1f", m.agedmh[0]);
  one_value(w, "%8.1f", m.whdmh);
  one_value(w, "%8.1f", m.agehcmat1[0]);

  // Surplus pure-bred heifers sold before mating (23) or pregnant (24), and
  // cross-bred heifers reared for breeding.
  const struct {
    bool sold;
    int category;
  } heifers_sold[] = {{m.utifemp == 3, 23}, {m.utifemp == 4, 24}, {m.cb == 1 && m.utifemcr == 3, m.CC + 23}};
  for (const auto& h : heifers_sold) {
    if (!h.sold) {
      w.skip(2);
      continue;
    }
    one_value(w, "%8.1f", m.age[h.category]);
    one_value(w, "%8.1f", m.ww[h.category]);
  }

  const auto any = [&m](const int (&flag)[J]) { return flag[0] + (m.cb == 1 ? flag[1] : 0) > 0; };
  fattened_group(w, any(m.pff), m.agesf, m.agedwsf, m.wdwsf, m.agecwsf, m.wcwsf);
  fattened_group(w, any(m.pbf), m.agesm, m.agedwsm, m.wdwsm, m.agecwsm, m.wcwsm);
  fattened_group(w, any(m.cast), m.agesc, m.agedwsc, m.wdwsc, m.agecwsc, m.wcwsc);

  // Mean carcass classes and mean calving-difficulty scores, as set when
  // their traits were evaluated. The mean calving-difficulty scores with
  // female and male calves are those of the calving-difficulty traits.
  const struct {
    bool exists;
    const float (*x)[J];
  } mean_classes[] = {{any(m.pbf), &m.Pcfcmcb},       {true, &m.Pcfcmcc},       {any(m.cast), &m.Pcfcmcca},
                      {any(m.pff), &m.Pcfcmch},       {any(m.pbf), &m.Pcflmcb}, {true, &m.Pcflmcc},
                      {any(m.cast), &m.Pcflmcca},     {any(m.pff), &m.Pcflmch}, {true, &m.dysscoreavf},
                      {true, &m.dysscoreavm}};
  for (const auto& c : mean_classes) {
    if (c.exists) {
      by_breed(w, *c.x);
    } else {
      w.skip(1);
    }
  }
}

void costs(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(6);
  for_each_present_category(m, [&](int i) {
    w.integer("\nCategory %3d", i);
    for (float x : {m.costvet[i], m.costh[i], m.costo[i], m.costfix[i], m.costf[i]}) w.num(" %8.1f", x);
    w.num(" %9.1f", m.cost[i]);
  });
  w.text("\n            ");
  for (float x : {m.costvetc, m.costhc, m.costoc, m.costfixc, m.costfc}) w.num(" %8.1f", x);
  w.num(" %9.1f", m.costc);
  w.copy(3);
  w.num("%8.1f", m.costdys);
}

// Carcass prices per kg of fattened heifers, bulls and castrates (and of
// cows on the pure-bred line); a dash for a group that is not fattened.
void price_line(ResultsWriter& w, int offset, bool with_cows) {
  const Model& m = w.m;
  w.text("\n");
  ColumnLine line{w};
  const struct {
    int category;
    bool shown;
  } prices[] = {{offset + 12, true}, {offset + 14, m.l1[offset + 14] > kPresent}, {offset + 17, m.l1[offset + 17] > kPresent},
                {30, with_cows}};
  for (int c = 0; c < (with_cows ? 4 : 3); ++c) {
    const int end = 11 * (c + 1);
    if (prices[c].shown) {
      line.value(end, 10, "%10.1f", m.pr[prices[c].category]);
    } else {
      line.dash(end, 2);
    }
  }
}

void carcass_prices(ResultsWriter& w) {
  w.copy(4);
  price_line(w, 0, true);
  if (w.m.cb == 1) price_line(w, w.m.CC, false);
}

void revenues(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(1);
  for_each_present_category(m, [&](int i) {
    w.integer("\n  Category %3d", i);
    w.num(" %15.1f", m.rev[i]);
  });
  one_value(w, "%10.1f", m.revc);
  one_value(w, "%10.1f", m.revmilkc);
  one_value(w, "%10.1f", m.revcullc);
}

void discounted_expressions(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(2);
  for_each_present_category(m, [&](int i) {
    w.integer("\n  Category %3d", i);
    w.num(" %15.5f", m.NDEc[i]);
    w.num(" %15.5f", m.NDEr[i]);
  });
  one_value(w, "%8.3f", m.NDEdys);
}

void profit(ResultsWriter& w) {
  const Model& m = w.m;
  w.copy(3);
  w.num("%10.1f", m.Trev);
  for (float x : {m.dot, m.Tcost, m.Tprof, m.profitabd, m.profitab}) one_value(w, "%10.1f", x);
  w.copy(1);
}

// Without heifers in fattening the daily gain of heifers in fattening could
// not serve as the reference trait of fattening; bulls or castrates did.
void reference_trait_warnings(ResultsWriter& w) {
  const Model& m = w.m;
  const int jmax = m.cast[1] + m.pbf[1] + m.pff[1] <= 0 ? 0 : m.cb;
  for (int j = 0; j <= jmax && j < J; ++j) {
    if (m.pff[j] != 0 || (m.pbf[j] != 1 && m.cast[j] != 1)) continue;
    w.text("\n\n");
    w.text("********************************************************\n");
    w.text("* W a r n i n g !                                      *\n");
    w.text(j == 0 ? "* Because there are no pure-bred heifers in fattening  *\n"
                  : "* Because there are no cross-bred heifers in fattening *\n");
    w.text(j == 0 ? "* the reference trait for daily gain of pure-bred      *\n"
                  : "* the reference trait for daily gain of cross-bred     *\n");
    w.text("* animals in fattening was changed.                    *\n");
    w.text(j == 0 ? "* The reference trait is now daily gain of pure-bred   *\n"
                  : "* The reference trait is now daily gain of cross-bred  *\n");
    w.text(m.pbf[j] == 1 ? "* bulls in fattening.                                  *\n"
                         : "* castrates in fattening.                              *\n");
    w.text("********************************************************\n");
    w.text("\n");
  }
}

// The last block ends the template. Further blocks mean a template that
// was written for another program; the results are then mislabelled.
void warn_if_template_goes_on(TextIn& tpl) {
  for (int c = std::fgetc(tpl.fp); c != EOF; c = std::fgetc(tpl.fp)) {
    if (c == '"') {
      std::fprintf(stderr, "Warning: %s holds more label blocks than the results file uses; "
                           "its labels do not match the numbers.\n", tpl.name);
      return;
    }
  }
}

}  // namespace

void write_results(const Model& m, Io& io) {
  ResultsWriter w{m, io.textd, io.out};
  herd_size(w);
  stationary_herd(w);
  calvings_per_cycle(w);
  conception(w);
  herd_averages(w);
  cow_weights(w);
  progeny_per_category(w);
  calf_numbers(w);
  growth(w);
  write_nutrition_groups(w);
  costs(w);
  carcass_prices(w);
  revenues(w);
  discounted_expressions(w);
  profit(w);
  reference_trait_warnings(w);
  write_weight_tables(w);
  warn_if_template_goes_on(io.textd);
}

}  // namespace zelvan
