#pragma once
// Reading the quoted-text convention of the data files and the template.
//
// Every number (or group of numbers) in a data file is followed by one or two
// texts in double quotes that describe it; text between two slashes is a
// comment. The primitives below never interpret those texts: they pass over
// them or copy them into the results file. They read strictly forward, one
// character at a time, and stop at the exact count of quotes or slashes.
//
// A file that ends inside a text, a word where a number belongs, or a file
// that cannot be opened stops the program with a message naming the file and
// the line.
#include <cstdio>

namespace zelvan {

enum class NumberKind { i32, f32, f64 };  // conversion a number was read with

// Observer of the numbers read, for tools that edit the data files and need
// to know which number of which file fills which variable. The program
// itself reads without one.
struct NumberRecorder {
  // A number of file `name` was read with `kind`; its text ends at byte
  // `end` and starts after blanks from byte `begin`.
  virtual void number(const char* name, long begin, long end, NumberKind kind, double value) = 0;
  // The number just read from file `name` is a count: how many numbers
  // follow depends on it.
  virtual void count(const char* name) = 0;

 protected:
  ~NumberRecorder() = default;
};

// An input stream together with the name of its file, for messages.
struct TextIn {
  std::FILE* fp = nullptr;               // open stream, read strictly forward
  const char* name = "";                 // file name as opened, e.g. "INPUT15.TXT"
  NumberRecorder* recorder = nullptr;    // told of every number read, when set
};

// Opens a file for reading; stops with a message naming it when it cannot.
TextIn open_text(const char* name);
void close_text(TextIn& in);

// Line number (1-based) of the current reading position, for messages.
int current_line(TextIn& in);

// Numbers in the free format of the files ("%d", "%f", "%lf"); a missing
// number stops with a message naming the file and line.
int scan_int(TextIn& in);
float scan_float(TextIn& in);
double scan_double(TextIn& in);

// Tells the recorder, if any, that the number just read is a count.
void mark_count(TextIn& in);

void readcom(TextIn& in);                 // skip a comment: up to and including the second '/'
void readdes(TextIn& in);                 // skip up to and including the fourth '"' (a whole item)
void outputr(TextIn& in);                 // skip a template block: up to the second '"'
void outputrw(TextIn& in, std::FILE* out);  // copy a template block without its quotes
int readsyva(TextIn& in);                 // one option of PARAD.TXT: "%d" and its text
void sysvar(TextIn& in, std::FILE* out);  // echo the 24 options of PARAD.TXT
void wrides(TextIn& in, std::FILE* out);  // echo an item's two texts
float readint(std::FILE* out, TextIn& in);    // integer item with its texts, echoed
float readfloat(std::FILE* out, TextIn& in);  // real item with its texts, echoed
void inp15a(TextIn& in, std::FILE* out, int flag, float x0, float x1);
void inp15b(TextIn& in, std::FILE* out, int cb, int f0, int f1, float x0, float x1);
void inp07(std::FILE* out, int file_number, int section);
void printcb(int cb, std::FILE* out, float x0, float x1);

}  // namespace zelvan
