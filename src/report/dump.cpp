#include "report/dump.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "input/messages.h"

namespace zelvan {

namespace {

// Rank of a non-digit character in the name order: letters by their lower
// case, the underscore after all letters.
int char_rank(char c) {
  if (c == '_') return 'z' + 1;
  return std::tolower(static_cast<unsigned char>(c));
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Compares two names by the dump order; 0 when they differ only in case.
int compare_names(const char* a, const char* b) {
  while (*a != '\0' && *b != '\0') {
    if (is_digit(*a) && is_digit(*b)) {
      long x = 0, y = 0;
      while (is_digit(*a)) x = x * 10 + (*a++ - '0');
      while (is_digit(*b)) y = y * 10 + (*b++ - '0');
      if (x != y) return x < y ? -1 : 1;
      continue;
    }
    const int ra = char_rank(*a), rb = char_rank(*b);
    if (ra != rb) return ra < rb ? -1 : 1;
    ++a;
    ++b;
  }
  if (*a == *b) return 0;
  return *a == '\0' ? -1 : 1;
}

const char* element(const DumpEntry& e, int i, int j, int k, size_t size) {
  const long offset = (static_cast<long>(i) * (e.rank > 1 ? e.extent[1] : 1) + j) * (e.rank > 2 ? e.extent[2] : 1) + k;
  return static_cast<const char*>(e.data) + offset * static_cast<long>(size);
}

void write_value(std::FILE* out, const DumpEntry& e, const char* p) {
  switch (e.kind) {
    case ElemKind::i32: {
      int v;
      std::memcpy(&v, p, sizeof v);
      std::fprintf(out, e.fmt, v);
      break;
    }
    case ElemKind::f32: {
      float v;
      std::memcpy(&v, p, sizeof v);
      std::fprintf(out, e.fmt, static_cast<double>(v));
      break;
    }
    case ElemKind::f64: {
      double v;
      std::memcpy(&v, p, sizeof v);
      std::fprintf(out, e.fmt, v);
      break;
    }
  }
}

double value_of(const DumpEntry& e, const char* p) {
  switch (e.kind) {
    case ElemKind::i32: {
      int v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case ElemKind::f32: {
      float v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
    case ElemKind::f64:
    default: {
      double v;
      std::memcpy(&v, p, sizeof v);
      return v;
    }
  }
}

void write_entry(std::FILE* out, const DumpEntry& e) {
  const size_t size = e.kind == ElemKind::f64 ? sizeof(double) : sizeof(int);
  if (e.rank == 0) {
    std::fprintf(out, "%s%s", e.name, e.equals);
    write_value(out, e, static_cast<const char*>(e.data));
    std::fputc('\n', out);
    return;
  }
  const Range r0 = e.range[0];
  const Range r1 = e.rank > 1 ? e.range[1] : Range{0, 0};
  const Range r2 = e.rank > 2 ? e.range[2] : Range{0, 0};
  for (int i = r0.lo; i <= r0.hi; ++i) {
    for (int j = r1.lo; j <= r1.hi; ++j) {
      for (int k = r2.lo; k <= r2.hi; ++k) {
        const char* p = element(e, i, j, k, size);
        if (e.suppress && !(value_of(e, p) > 1e-6)) continue;
        std::fputs(e.name, out);
        if (e.rank == 1) {
          std::fprintf(out, "[%d]", i);
        } else if (e.rank == 2) {
          std::fprintf(out, "[%d][%d]", i, j);
        } else if (e.style == IndexStyle::commas) {
          std::fprintf(out, "[%d,%d,%d]", i, j, k);
        } else {
          std::fprintf(out, "[%d][%d][%d]", i, j, k);
        }
        std::fputs(e.equals, out);
        write_value(out, e, p);
        std::fputc('\n', out);
      }
    }
  }
}

}  // namespace

DumpEntry constant(const char* name, const int& value) {
  DumpEntry e = var(name, value, "%d");
  e.constant = true;
  return e;
}

bool dump_name_less(const DumpEntry& a, const DumpEntry& b) {
  const int c = compare_names(a.name, b.name);
  if (c != 0) return c < 0;
  if (a.constant != b.constant) return a.constant;
  return std::strcmp(a.name, b.name) < 0;  // two variables differing only in case: upper case first
}

void write_dump(const Model& m, std::FILE* out) {
  std::vector<DumpEntry> table = dump_table(m);
  std::stable_sort(table.begin(), table.end(), dump_name_less);
  for (const DumpEntry& e : table) write_entry(out, e);
}

void dump(const Model& m, const char* file_name) {
  std::FILE* out = std::fopen(file_name, "w");
  if (out == nullptr) stop_cannot_write(file_name);
  write_dump(m, out);
  std::fclose(out);
}

}  // namespace zelvan
