#include "report/results_writer.h"

#include <cmath>

namespace zelvan {

void ResultsWriter::copy(int n) {
  for (int i = 0; i < n; ++i) outputrw(tpl, out);
}

void ResultsWriter::skip(int n) {
  for (int i = 0; i < n; ++i) outputr(tpl);
}

void ResultsWriter::blocks(bool apply, int n) {
  if (apply) {
    copy(n);
  } else {
    skip(n);
  }
}

void ResultsWriter::text(const char* s) { std::fputs(s, out); }

void ResultsWriter::num(const char* fmt, double v) {
  if (std::isfinite(v)) {
    std::fprintf(out, fmt, v);
    return;
  }
  char field[64];
  const int width = std::snprintf(field, sizeof field, fmt, 0.0);
  for (int i = 1; i < width; ++i) std::fputc(' ', out);
  std::fputc('-', out);
}

void ResultsWriter::integer(const char* fmt, int v) { std::fprintf(out, fmt, v); }

void ResultsWriter::triple(const char* fmt, float x0, float x1, float total) {
  num(fmt, x0);
  if (m.cb != 1) return;
  text(" ");
  num(fmt, x1);
  text(" ");
  num(fmt, total);
}

void ResultsWriter::triple(const char* fmt, const float (&x)[J]) { triple(fmt, x[0], x[1], x[0] + x[1]); }

void ResultsWriter::pair(const char* fmt, const float (&x)[J]) {
  num(fmt, x[0]);
  if (m.cb != 1) return;
  text(" ");
  num(fmt, x[1]);
}

}  // namespace zelvan
