#include "report/results_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

void TextOut::text(const char* s) { std::fputs(s, out); }

void TextOut::num(const char* fmt, double v) {
  if (std::isfinite(v)) {
    std::fprintf(out, fmt, v);
    return;
  }
  // The text around the conversion stays; the field itself becomes a
  // right-aligned dash.
  const char* start = std::strchr(fmt, '%');
  const char* end = start + std::strcspn(start + 1, "aAeEfFgG") + 1;
  std::fwrite(fmt, 1, static_cast<std::size_t>(start - fmt), out);
  char conversion[32] = {};
  std::memcpy(conversion, start, std::min<std::size_t>(static_cast<std::size_t>(end - start) + 1, sizeof conversion - 1));
  const int width = std::snprintf(nullptr, 0, conversion, 0.0);
  for (int i = 1; i < width; ++i) std::fputc(' ', out);
  std::fputc('-', out);
  if (*end != '\0') std::fputs(end + 1, out);
}

void TextOut::integer(const char* fmt, int v) { std::fprintf(out, fmt, v); }

void ColumnLine::pad(int to) {
  for (; pos < to; ++pos) w.text(" ");
}

void ColumnLine::value(int end, int width, const char* fmt, double x) {
  pad(end - width);
  w.num(fmt, x);
  pos = end;
}

void ColumnLine::dash(int end, int back) {
  pad(end - back - 1);
  w.text("-");
  pos = end - back;
}

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
