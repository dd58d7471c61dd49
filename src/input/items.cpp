#include "input/items.h"

#include "input/messages.h"

namespace zelvan {

void skip_items(TextIn& in, int n) {
  for (int i = 0; i < n; ++i) readdes(in);
}

void scalar_if(bool when, Io& io, TextIn& in, float& x) {
  if (when) {
    x = readfloat(io.out, in);
  } else {
    readdes(in);
  }
}

void read_pair(const Model& m, TextIn& in, float& x0, float& x1) {
  x0 = scan_float(in);
  if (m.cb == 1) x1 = scan_float(in);
}

void pair(const Model& m, Io& io, TextIn& in, float& x0, float& x1) {
  read_pair(m, in, x0, x1);
  inp15a(in, io.out, m.cb, x0, x1);
}

void flagged_pair(const Model& m, Io& io, TextIn& in, const int (&f)[J], float& x0, float& x1) {
  x0 = scan_float(in);
  if (f[0] == 0) x0 = 0.0f;
  if (f[1] > 0 && m.cb == 1) x1 = scan_float(in);
  inp15b(in, io.out, m.cb, f[0], f[1], x0, x1);
}

void flagged_pair(const Model& m, Io& io, TextIn& in, const int (&f)[J], float (&x)[J]) {
  flagged_pair(m, io, in, f, x[0], x[1]);
}

void read_vector(Io& io, TextIn& in, float* values, int count, const char* format) {
  for (int i = 0; i < count; ++i) values[i] = scan_float(in);
  wrides(in, io.out);
  for (int i = 0; i < count; ++i) std::fprintf(io.out, format, static_cast<double>(values[i]));
}

int read_count(Io& io, TextIn& in, const char* item, long lo, long hi) {
  const int v = static_cast<int>(readint(io.out, in));
  mark_count(in);
  if ((lo != kNoLimit && v < lo) || (hi != kNoLimit && v > hi)) stop_out_of_range(in.name, item, v, lo, hi);
  return v;
}

}  // namespace zelvan
