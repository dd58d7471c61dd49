#pragma once
// The pieces from which the results file is assembled: label blocks of the
// template TEXTD_OUT.TXT, copied when their part of the report applies and
// passed over when it does not, and numbers in fixed formats.
#include <cstdio>

#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// Text and numbers in the fixed formats of the results file.
struct TextOut {
  std::FILE* out;   // results file, or a buffer holding one line of it

  void text(const char* s);          // literal text
  // One number with a format holding exactly one conversion. A value that
  // is not a number (a quotient the model could not form) is shown as a
  // dash in the width of the field, never as nan or inf.
  void num(const char* fmt, double v);
  void integer(const char* fmt, int v);
};

// Numbers placed in columns by the position where their field ends, with a
// lone dash for a column that does not apply.
struct ColumnLine {
  TextOut& w;
  int pos = 0;   // characters written on the line so far
  void pad(int to);
  void value(int end, int width, const char* fmt, double x);
  void dash(int end, int back);   // the dash stands back characters before end
};

struct ResultsWriter : TextOut {
  const Model& m;
  TextIn& tpl;      // template, read strictly forward

  ResultsWriter(const Model& model, TextIn& templ, std::FILE* file) : TextOut{file}, m(model), tpl(templ) {}

  void copy(int n = 1);              // the next n label blocks, copied
  void skip(int n = 1);              // the next n label blocks, passed over
  void blocks(bool apply, int n);    // copied when apply, else passed over
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
