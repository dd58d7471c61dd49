#pragma once
// The kinds of items the data files are made of, read and echoed the same
// way wherever they stand: values per breed index, values of categories that
// may exist for one breed index only, conditional scalars, groups of numbers
// and counts that bound arrays.
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// Passes over whole items (numbers and texts) without echo.
void skip_items(TextIn& in, int n);

// A scalar that only matters in some systems; otherwise the item is passed
// over and the value keeps what it had.
void scalar_if(bool when, Io& io, TextIn& in, float& x);

// One value per breed index: one number in a pure-bred system, two when
// there are cross-bred animals; both are read before the texts.
void read_pair(const Model& m, TextIn& in, float& x0, float& x1);
void pair(const Model& m, Io& io, TextIn& in, float& x0, float& x1);

// A value of a category that may not exist for either breed index
// (f[j] = 0). The pure-bred number is always in the file and is discarded
// when there are no such pure-bred animals; the cross-bred number is read
// only when the cross-bred category exists.
void flagged_pair(const Model& m, Io& io, TextIn& in, const int (&f)[J], float& x0, float& x1);
void flagged_pair(const Model& m, Io& io, TextIn& in, const int (&f)[J], float (&x)[J]);

// A group of numbers followed by its texts: the numbers are read, the texts
// echoed, then the numbers printed with the given format.
void read_vector(Io& io, TextIn& in, float* values, int count, const char* format);

// A count, echoed and tested at once, before anything uses it as a loop
// bound or an index; a value outside lo..hi stops naming the file. A side
// given as kNoLimit is open.
int read_count(Io& io, TextIn& in, const char* item, long lo, long hi);

}  // namespace zelvan
