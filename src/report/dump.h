#pragma once
// Variable dump: every named quantity of the model state, one line per
// scalar or array element, in alphabetical order of the names.
#include <cstdio>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "run/model.h"

namespace zelvan {

// Printed index range of one array dimension, inclusive.
struct Range {
  int lo;
  int hi;
};

enum class ElemKind { i32, f32, f64 };
enum class IndexStyle { brackets, commas };  // "[i][j][k]" or "[i,j,k]"

struct DumpEntry {
  const char* name;       // variable name as in the model state
  const void* data;       // first element
  ElemKind kind;          // element type
  int rank;               // 0 scalar, 1..3 array
  int extent[3];          // declared sizes, for the element offsets
  Range range[3];         // printed ranges, already clipped to the declared sizes
  const char* fmt;        // value format
  bool suppress;          // write only elements above 1e-6
  IndexStyle style;       // how the indices are written
  bool constant;          // dimension constant: sorts before its lower-case twin
  const char* equals;     // text between name and value
};

inline constexpr bool SUPPRESS = true;

template <class A>
DumpEntry var(const char* name, const A& a, const char* fmt, std::initializer_list<Range> ranges = {},
              bool suppress = false, IndexStyle style = IndexStyle::brackets) {
  using E = std::remove_all_extents_t<A>;
  static_assert(std::is_same_v<E, int> || std::is_same_v<E, float> || std::is_same_v<E, double>);
  DumpEntry e{};
  e.name = name;
  e.data = &a;
  e.kind = std::is_same_v<E, int> ? ElemKind::i32 : std::is_same_v<E, float> ? ElemKind::f32 : ElemKind::f64;
  e.rank = static_cast<int>(std::rank_v<A>);
  const int ext[3] = {static_cast<int>(std::extent_v<A, 0>), static_cast<int>(std::extent_v<A, 1>),
                      static_cast<int>(std::extent_v<A, 2>)};
  int d = 0;
  for (Range r : ranges) {
    if (d >= e.rank) break;
    e.extent[d] = ext[d];
    e.range[d] = {r.lo < 0 ? 0 : r.lo, r.hi > ext[d] - 1 ? ext[d] - 1 : r.hi};
    ++d;
  }
  for (; d < e.rank; ++d) {  // a dimension without a stated range is printed whole
    e.extent[d] = ext[d];
    e.range[d] = {0, ext[d] - 1};
  }
  e.fmt = fmt;
  e.suppress = suppress;
  e.style = style;
  e.constant = false;
  e.equals = " = ";
  return e;
}

DumpEntry constant(const char* name, const int& value);

// Ordering of the names: letters without regard to case, an underscore after
// the letters, digit groups as numbers, a dimension constant just before the
// variable that differs from it only in case.
bool dump_name_less(const DumpEntry& a, const DumpEntry& b);

// The list of all variables of the state with their ranges and formats.
std::vector<DumpEntry> dump_table(const Model& m);

// Writes the sorted list into an open stream, or into the named file.
void write_dump(const Model& m, std::FILE* out);
void dump(const Model& m, const char* file_name);

}  // namespace zelvan
