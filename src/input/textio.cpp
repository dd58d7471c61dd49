#include "input/textio.h"

#include <cctype>

#include "input/messages.h"

namespace zelvan {

namespace {

constexpr int QUOTE = '"';
constexpr int SLASH = '/';

// Longest word quoted back to the user when a number is missing.
constexpr int WORD_MAX = 40;

// Next character of the stream. The files are complete by convention, so an
// end of file while a text or comment is still open means data are missing.
int next_char(TextIn& in) {
  int c = std::fgetc(in.fp);
  if (c == EOF) stop_file_ends(in.name, current_line(in));
  return c;
}

// Reads up to and including the n-th occurrence of mark, writing nothing.
void skip_marks(TextIn& in, int mark, int n) {
  int count = 0;
  while (count < n) {
    if (next_char(in) == mark) ++count;
  }
}

// Reads up to and including the second quote and copies every character that
// is not a quote; with copy_before set, also the characters before the
// opening quote (blanks or line ends after a number, or between two blocks).
void copy_text(TextIn& in, std::FILE* out, bool copy_before) {
  int count = 0;
  while (count < 2) {
    int c = next_char(in);
    if (c == QUOTE) {
      ++count;
    } else if (copy_before || count > 0) {
      std::fputc(c, out);
    }
  }
}

// The second text of an item: everything up to and including the next two
// quotes, including what lies between the first text and the opening quote
// of the second. The opening quote itself becomes "   (" so that the second
// text is shown in parentheses.
void copy_second_text(TextIn& in, std::FILE* out) {
  int count = 0;
  while (count < 2) {
    int c = next_char(in);
    if (c == QUOTE) {
      ++count;
      if (count == 1) std::fputs("   (", out);
    } else {
      std::fputc(c, out);
    }
  }
}

// A conversion found neither a number nor the end of the file: report the
// word that stands where the number belongs.
[[noreturn]] void stop_word(TextIn& in) {
  int line = current_line(in);
  char word[WORD_MAX + 1];
  int n = 0;
  int c = std::fgetc(in.fp);
  while (c != EOF && !std::isspace(c) && n < WORD_MAX) {
    word[n++] = static_cast<char>(c);
    c = std::fgetc(in.fp);
  }
  word[n] = '\0';
  stop_not_a_number(in.name, line, word);
}

// Common ending of fscanf-based reading: EOF means the file ends before the
// number, 0 means something else stands in its place.
void check_scan(TextIn& in, int result) {
  if (result == EOF) stop_file_ends(in.name, current_line(in));
  if (result != 1) stop_word(in);
}

}  // namespace

TextIn open_text(const char* name) {
  TextIn in;
  in.name = name;
  in.fp = std::fopen(name, "r");
  if (in.fp == nullptr) stop_cannot_open(name);
  return in;
}

void close_text(TextIn& in) {
  if (in.fp != nullptr) std::fclose(in.fp);
  in.fp = nullptr;
}

int current_line(TextIn& in) {
  long pos = std::ftell(in.fp);
  if (pos < 0) return 0;  // not a seekable file: the line is unknown
  std::rewind(in.fp);
  int line = 1;
  for (long i = 0; i < pos; ++i) {
    int c = std::fgetc(in.fp);
    if (c == EOF) break;
    if (c == '\n') ++line;
  }
  std::fseek(in.fp, pos, SEEK_SET);
  return line;
}

// One number in the conversion `format`, reported to the recorder with the
// bytes it came from.
template <class T>
T scan_number(TextIn& in, const char* format, NumberKind kind) {
  T v{};
  const long begin = in.recorder != nullptr ? std::ftell(in.fp) : 0;
  check_scan(in, std::fscanf(in.fp, format, &v));
  if (in.recorder != nullptr) in.recorder->number(in.name, begin, std::ftell(in.fp), kind, static_cast<double>(v));
  return v;
}

int scan_int(TextIn& in) { return scan_number<int>(in, "%d", NumberKind::i32); }

float scan_float(TextIn& in) { return scan_number<float>(in, "%f", NumberKind::f32); }

double scan_double(TextIn& in) { return scan_number<double>(in, "%lf", NumberKind::f64); }

void mark_count(TextIn& in) {
  if (in.recorder != nullptr) in.recorder->count(in.name);
}

void readcom(TextIn& in) { skip_marks(in, SLASH, 2); }

void readdes(TextIn& in) { skip_marks(in, QUOTE, 4); }

void outputr(TextIn& in) { skip_marks(in, QUOTE, 2); }

void outputrw(TextIn& in, std::FILE* out) { copy_text(in, out, true); }

int readsyva(TextIn& in) {
  int v = scan_int(in);
  skip_marks(in, QUOTE, 2);
  return v;
}

// PARAD.TXT is echoed option after option without separators of its own: the
// line structure of the echo is whatever the file holds between a number and
// the closing quote of its text.
void sysvar(TextIn& in, std::FILE* out) {
  for (int i = 0; i < 24; ++i) {
    int v = scan_int(in);
    copy_text(in, out, true);
    std::fprintf(out, ":  %d", v);
  }
  std::fputs("\n", out);
}

void wrides(TextIn& in, std::FILE* out) {
  std::fputs("\n", out);
  copy_text(in, out, false);
  copy_second_text(in, out);
  std::fputs("):", out);
}

// readint and readfloat start their echo right after the number, so the
// blanks or line ends in front of the first text are part of it.
float readint(std::FILE* out, TextIn& in) {
  int v = scan_int(in);
  copy_text(in, out, true);
  copy_second_text(in, out);
  std::fprintf(out, "):  %d ", v);
  return static_cast<float>(v);
}

float readfloat(std::FILE* out, TextIn& in) {
  float v = scan_float(in);
  copy_text(in, out, true);
  copy_second_text(in, out);
  std::fprintf(out, "):%12.4f ", v);
  return v;
}

void inp15a(TextIn& in, std::FILE* out, int flag, float x0, float x1) {
  wrides(in, out);
  if (flag == 1) {
    std::fprintf(out, "%12.4f %12.4f", x0, x1);
  } else if (flag == 0) {
    std::fprintf(out, "%12.4f", x0);
  }
}

// f0 and f1 tell whether the category exists for the pure-bred and the
// cross-bred animals; an item of a category that exists for neither is
// passed over without echo, and a missing cross-bred value is shown as "-".
void inp15b(TextIn& in, std::FILE* out, int cb, int f0, int f1, float x0, float x1) {
  if (f0 + f1 < 1) {
    readdes(in);
  } else {
    wrides(in, out);
  }
  if (f0 > 0 && f1 > 0 && cb == 1) std::fprintf(out, "%12.4f %12.4f", x0, x1);
  if (f0 > 0 && f1 == 0) std::fprintf(out, "%12.4f         -", x0);
  if (f0 == 0 && f1 > 0 && cb == 1) std::fprintf(out, "        -    %12.4f", x1);
}

// Heading of an echoed input file; the underline is one dash longer from
// section 10 on, where the section number takes two digits.
void inp07(std::FILE* out, int file_number, int section) {
  if (section > 9) {
    std::fprintf(out, "2.%2d Data from file ", section);
  } else {
    std::fprintf(out, "2.%1d Data from file ", section);
  }
  if (file_number <= 9) {
    std::fprintf(out, "INPUT0%d.TXT\n", file_number);
  } else {
    std::fprintf(out, "INPUT%d.TXT\n", file_number);
  }
  int dashes = section > 9 ? 31 : 30;
  for (int i = 0; i < dashes; ++i) std::fputc('-', out);
  std::fputc('\n', out);
}

void printcb(int cb, std::FILE* out, float x0, float x1) {
  if (cb == 1) {
    std::fprintf(out, "%10.3f %10.3f", x0, x1);
  } else if (cb == 0) {
    std::fprintf(out, "%10.3f", x0);
  }
}

}  // namespace zelvan
