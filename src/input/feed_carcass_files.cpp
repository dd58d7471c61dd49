// Feeding, carcass and price data: carcass data of the fattened animals
// (INPUT23.TXT), rations, daily costs and sale prices of the young stock
// (INPUT21.TXT), test bulls kept after weaning (INPUT12.TXT) and the carcass
// classification grids (INPUT24.TXT pure-bred shares and all class prices,
// INPUT25.TXT cross-bred shares).
//
// Which items a file holds values for depends on the fattening flags pbf, pff
// and cast and on the options; an item that does not apply is still present in
// the file and is passed over whole, numbers included.
#include <cstdio>
#include <initializer_list>

#include "input/items.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// The carcass grids have p1 rows and p2 columns; both must fit the matrices
// before they are used as loop bounds.
void check_rows(const Model& m) {
  if (m.p1 < 1 || m.p1 > P1)
    stop_out_of_range("INPUT23.TXT", "p1 (rows of the carcass classification)", m.p1, 1, P1);
}

void check_columns(const Model& m) {
  if (m.p2 < 1 || m.p2 > P2)
    stop_out_of_range("INPUT23.TXT", "p2 (columns of the carcass classification)", m.p2, 1, P2);
}

void check_classes(const Model& m) {
  check_rows(m);
  check_columns(m);
}

// Heifers entering the herd (category 22): cross-bred ones only exist when
// cross-bred female calves are reared for breeding, otherwise the cross-bred
// value in the file is discarded.
void heifer_pair(const Model& m, Io& io, TextIn& in, float& x0, float& x1) {
  x0 = scan_float(in);
  if (m.cb == 1) {
    x1 = scan_float(in);
    if (m.utifemcr != 3) x1 = 0.0f;
  }
  inp15a(in, io.out, m.cb, x0, x1);
}

// Ration of calves in one calf period: dry matter, energy, protein, price,
// then the residual feed intake of female and male calves when it is modelled.
void calf_period(Model& m, Io& io, TextIn& in, float (&dryf)[J], float (&edf)[J], float (&pdid)[J],
                 float (&prf)[J], float (&rfif)[J], float (&rfim)[J]) {
  for (float* x : {dryf, edf, pdid, prf}) pair(m, io, in, x[0], x[1]);
  if (m.rfi_calf == 1) {
    pair(m, io, in, rfif[0], rfif[1]);
    pair(m, io, in, rfim[0], rfim[1]);
  } else {
    skip_items(in, 2);
  }
}

// Ration and daily costs of category k, ten items in file order; the residual
// feed intake (the fifth) is present in the file but only read when its
// option is on. flags is nullptr for the heifers entering the herd.
void category_block(Model& m, Io& io, TextIn& in, int k, int rfi_option, const int (*flags)[J]) {
  float* const arrays[] = {m.dryf, m.edf, m.pdid, m.prf, m.rfi, m.wat, m.dung, m.straw, m.costvet, m.fix};
  for (float* x : arrays) {
    if (x == m.rfi && rfi_option != 1) {
      readdes(in);
      continue;
    }
    float& x0 = x[k];
    float& x1 = x[m.CC + k];
    if (flags == nullptr) {
      heifer_pair(m, io, in, x0, x1);
    } else {
      flagged_pair(m, io, in, *flags, x0, x1);
    }
  }
}

// Categories sold alive: calves (8, 9), test bulls (10), breeding heifers
// sold before mating (23) and pregnant heifers (24).
constexpr int kSoldCategories[] = {8, 9, 10, 23, 24};

// An animal is sold either per kg of live weight or per head, never both.
void check_sale_mode(const Model& m) {
  for (int k : kSoldCategories) {
    for (int j = 0; j <= m.cb; ++j) {
      const int c = cat(m, j, k);
      if (m.pr[c] > 1e-6 && m.pranim[c] > 1e-6) nonsense6(c);
    }
  }
}

// A carcass-class matrix of p1 x p2 values followed by its two texts. When it
// does not apply, the texts are skipped together with the unread numbers in
// front of them, so every matrix has to be in the file. at(a, b) is the
// element of class (a, b).
template <class At>
void class_matrix(const Model& m, Io& io, TextIn& in, bool when, At at) {
  if (!when) {
    readdes(in);
    return;
  }
  for (int a = 0; a < m.p1; ++a)
    for (int b = 0; b < m.p2; ++b) at(a, b) = scan_float(in);
  wrides(in, io.out);
  std::fputs("\n", io.out);
  for (int a = 0; a < m.p1; ++a) {
    for (int b = 0; b < m.p2; ++b) std::fprintf(io.out, "%9.3f", at(a, b));
    std::fputs("\n", io.out);
  }
}

}  // namespace

void read_input23(Model& m, Io& io, TextIn& in) {
  readcom(in);
  const bool heifers = m.pff[0] + m.pff[1] > 0;
  const bool bulls = m.pbf[0] + m.pbf[1] > 0;
  const bool castrates = m.cast[0] + m.cast[1] > 0;

  scalar_if(heifers, io, in, m.kpr[12]);
  scalar_if(bulls, io, in, m.kpr[14]);
  scalar_if(castrates, io, in, m.kpr[17]);
  scalar_if(heifers, io, in, m.kdresh);
  scalar_if(bulls, io, in, m.kdresb);
  scalar_if(castrates, io, in, m.kdresc);
  scalar_if(true, io, in, m.prh);
  scalar_if(bulls, io, in, m.prb);
  scalar_if(castrates, io, in, m.prcs);
  m.p1 = static_cast<int>(readint(io.out, in));
  mark_count(in);
  check_rows(m);
  m.p2 = static_cast<int>(readint(io.out, in));
  mark_count(in);
  check_columns(m);
  scalar_if(m.pbf[1] == 1, io, in, m.wbfatb);
  scalar_if(m.pff[1] == 1, io, in, m.whfatb);
  scalar_if(m.cast[1] == 1, io, in, m.wcfatb);
  scalar_if(heifers, io, in, m.whfat[0]);
  scalar_if(bulls, io, in, m.wbfat[0]);
  scalar_if(castrates, io, in, m.wcfat[0]);
  std::fputs("\n\n", io.out);
}

void read_input21(Model& m, Io& io, TextIn& in) {
  readcom(in);

  // Calves in the first and in the second calf period.
  calf_period(m, io, in, m.dryfwf, m.edfwf, m.pdidwf, m.prfwf, m.rfifc1, m.rfimc1);
  calf_period(m, io, in, m.dryfwf2, m.edfwf2, m.pdidwf2, m.prfwf2, m.rfifc2, m.rfimc2);

  // Daily costs of calves up to weaning.
  pair(m, io, in, m.watwf[0], m.watwf[1]);
  pair(m, io, in, m.dungwf[0], m.dungwf[1]);
  pair(m, io, in, m.strawwf[0], m.strawwf[1]);
  pair(m, io, in, m.costvetwf[0], m.costvetwf[1]);
  pair(m, io, in, m.fixwf[0], m.fixwf[1]);

  // Heifers entering the herd, then fattened bulls, castrates and heifers.
  category_block(m, io, in, 22, m.rfi_h, nullptr);
  category_block(m, io, in, 14, m.rfi_fa, &m.pbf);
  category_block(m, io, in, 17, m.rfi_fa, &m.cast);
  category_block(m, io, in, 12, m.rfi_fa, &m.pff);

  pair(m, io, in, m.costdf[0], m.costdf[1]);
  pair(m, io, in, m.costdcf[0], m.costdcf[1]);

  // Sale prices: per kg of live weight, then per head.
  for (int k : kSoldCategories) {
    pair(m, io, in, m.pr[k], m.pr[m.CC + k]);
    pair(m, io, in, m.pranim[k], m.pranim[m.CC + k]);
  }
  std::fputs("\n\n", io.out);

  check_sale_mode(m);
}

void read_input12(Model& m, Io& io, TextIn& in) {
  readcom(in);
  scalar_if(true, io, in, m.adg10);
  scalar_if(true, io, in, m.prf10);
  scalar_if(true, io, in, m.pdid10);
  scalar_if(true, io, in, m.edf10);
  scalar_if(true, io, in, m.dryf10);
  scalar_if(m.rfi_fa == 1, io, in, m.rfi10);
  scalar_if(true, io, in, m.dung10);
  scalar_if(true, io, in, m.straw10);
  scalar_if(true, io, in, m.wat10);
  scalar_if(true, io, in, m.costvet10);
  scalar_if(true, io, in, m.fix10);
  scalar_if(true, io, in, m.dottest);
  std::fputs("\n\n", io.out);
}

void read_input24(Model& m, Io& io, TextIn& in) {
  check_classes(m);
  readcom(in);
  const bool bulls = m.pbf[0] + m.pbf[1] > 0;
  const bool castrates = m.cast[0] + m.cast[1] > 0;
  class_matrix(m, io, in, m.pbf[0] == 1, [&m](int a, int b) -> float& { return m.Pb[a][b][0]; });
  class_matrix(m, io, in, true, [&m](int a, int b) -> float& { return m.Ph[a][b][0]; });
  class_matrix(m, io, in, m.cast[0] == 1, [&m](int a, int b) -> float& { return m.Pcs[a][b][0]; });
  class_matrix(m, io, in, true, [&m](int a, int b) -> float& { return m.Pc[a][b][0]; });
  class_matrix(m, io, in, bulls, [&m](int a, int b) -> float& { return m.Prb[a][b]; });
  class_matrix(m, io, in, true, [&m](int a, int b) -> float& { return m.Prh[a][b]; });
  class_matrix(m, io, in, castrates, [&m](int a, int b) -> float& { return m.Prcs[a][b]; });
  class_matrix(m, io, in, true, [&m](int a, int b) -> float& { return m.Prc[a][b]; });
  std::fputs("\n\n", io.out);
}

void read_input25(Model& m, Io& io, TextIn& in) {
  check_classes(m);
  readcom(in);
  // Carcasses of cross-bred heifers occur when they are fattened or reared
  // for breeding.
  const bool heifers = m.pff[1] == 1 || m.utifemcr == 3;
  class_matrix(m, io, in, m.pbf[1] == 1, [&m](int a, int b) -> float& { return m.Pb[a][b][1]; });
  class_matrix(m, io, in, heifers, [&m](int a, int b) -> float& { return m.Ph[a][b][1]; });
  class_matrix(m, io, in, m.cast[1] == 1, [&m](int a, int b) -> float& { return m.Pcs[a][b][1]; });
  std::fputs("\n\n", io.out);
}

}  // namespace zelvan
