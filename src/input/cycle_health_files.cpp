// Per-cycle data of the cows, the lactation curve and the optional health
// modules (clinical mastitis, claw disorders) with their daily tables.
#include <cstdio>
#include <initializer_list>

#include "input/items.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// One value per reproduction cycle, 1..LL.
void read_per_cycle(Model& m, Io& io, TextIn& in, float (&values)[L], const char* format = "%8.4f") {
  read_vector(io, in, values, m.LL, format);
}

// Shares of calvings in difficulty classes 1..5 for breed index j: ten items.
// Class 1 is always read; of the others only the classes below DD, and the
// rest are passed over so that the file always holds ten items per breed
// index.
void read_difficulty_block(Model& m, Io& io, TextIn& in, int j) {
  for (int d = 1; d <= 5; ++d) {
    if (d == 1 || m.DD > d) {
      read_vector(io, in, m.dysff[d][j], m.LL, "%8.4f");
      read_vector(io, in, m.dysmm[d][j], m.LL, "%8.4f");
    } else {
      readdes(in);
      readdes(in);
    }
  }
}

// A daily table: exactly 400 lines "day value value value" without texts;
// a day number out of its place means the table is damaged.
void read_daily_table(Io& io, TextIn& in, float (&table)[3][DL], int file_number) {
  readcom(in);
  for (int n = 1; n <= DL; ++n) {
    const int day = scan_int(in);
    if (day != n) nonsense13(file_number);
    for (int k = 0; k < 3; ++k) table[k][n - 1] = scan_float(in);
    std::fprintf(io.out, "%5d", day);
    for (int k = 0; k < 3; ++k) std::fprintf(io.out, "%10.4f", static_cast<double>(table[k][n - 1]));
    std::fputc('\n', io.out);
  }
  std::fputs("\n\n", io.out);
}

}  // namespace

void read_input07(Model& m, Io& io, TextIn& in) {
  readcom(in);
  float losses[L];
  read_vector(io, in, losses, m.LL, "%8.4f");
  for (int c = 1; c <= m.LL; ++c) m.pp[6 * c + 19] = losses[c - 1];
  read_per_cycle(m, io, in, m.culh);
  read_per_cycle(m, io, in, m.culvol);
  read_per_cycle(m, io, in, m.ab);
  read_per_cycle(m, io, in, m.stcd);
  read_per_cycle(m, io, in, m.stce);
  read_per_cycle(m, io, in, m.dcd);
  read_per_cycle(m, io, in, m.dce);
  if (m.cb == 1) {
    read_vector(io, in, m.pcross, m.LL - 1, "%8.4f");  // matings of the last cycle bear no calf
  } else {
    readdes(in);
  }
  read_vector(io, in, m.ecrinc, m.inmax, "%8.4f");
  read_vector(io, in, m.crinh, m.inmaxh, "%8.4f");
  read_difficulty_block(m, io, in, 0);
  if (m.cb == 1) {
    read_difficulty_block(m, io, in, 1);
  } else {
    skip_items(in, 10);
  }
  std::fputs("\n\n", io.out);
}

void read_input22(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (float* x : {&m.milk, &m.b1, &m.b2, &m.b3, &m.c1, &m.c2, &m.c3, &m.d1, &m.d2, &m.d3})
    *x = readfloat(io.out, in);
  std::fputs("\n\n", io.out);
}

void read_input29(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (float* x : {&m.costdrug, &m.labvet, &m.pricevet, &m.labherd, &m.priceherd, &m.costmach, &m.pricedry,
                   &m.pdry})
    *x = readfloat(io.out, in);
  read_per_cycle(m, io, in, m.ircmy, "%7.2f");
  std::fputs("\n\n", io.out);
}

void read_input30(Model& m, Io& io, TextIn& in) { read_daily_table(io, in, m.dmi, 30); }

void read_input37(Model& m, Io& io, TextIn& in) {
  readcom(in);
  for (float* x : {&m.costacd, &m.labvetcd, &m.prvetcd, &m.costnacd, &m.labherdcd, &m.prherdcd})
    *x = readfloat(io.out, in);
  read_per_cycle(m, io, in, m.ircdy, "%7.2f");
  read_per_cycle(m, io, in, m.pacd, "%7.2f");
  std::fputs("\n\n", io.out);
}

void read_input38(Model& m, Io& io, TextIn& in) { read_daily_table(io, in, m.dcdi, 38); }

}  // namespace zelvan
