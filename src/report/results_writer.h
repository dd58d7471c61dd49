#pragma once
// The pieces from which the results file is assembled: label blocks of the
// template TEXTD_OUT.TXT, copied when their part of the report applies and
// passed over when it does not, and numbers in fixed formats.
#include <cstdio>

#include "input/io.h"
#include "run/model.h"

namespace zelvan {

struct ResultsWriter {
  const Model& m;
  TextIn& tpl;      // template, read strictly forward
  std::FILE* out;   // results file

  void copy(int n = 1);              // the next n label blocks, copied
  void skip(int n = 1);              // the next n label blocks, passed over
  void blocks(bool apply, int n);    // copied when apply, else passed over
  void text(const char* s);          // literal text
  // One number with a format holding exactly one conversion. A value that
  // is not a number (a quotient the model could not form) is shown as a
  // dash in the width of the field, never as nan or inf.
  void num(const char* fmt, double v);
  void integer(const char* fmt, int v);
  // The value of breed index 0, then, with cb = 1, that of breed index 1
  // and the total, separated by blanks.
  void triple(const char* fmt, float x0, float x1, float total);
  void triple(const char* fmt, const float (&x)[J]);
  // The value of breed index 0, then, with cb = 1, that of breed index 1.
  void pair(const char* fmt, const float (&x)[J]);
};

// Section 10: requirements, feed and feed costs per group of categories.
void write_nutrition_groups(ResultsWriter& w);

}  // namespace zelvan
