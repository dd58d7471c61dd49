#pragma once
// Which number of which data file fills a variable of the model, asked of
// the readers themselves: a copy of this process reads the directory with
// the model's input layer and a recorder that is told of every number read,
// while the variables asked for hold a mark that no number can have; the
// number a variable takes its value from is where it was read.
#include <string>
#include <vector>

namespace zelvan::batch {

struct Located {
  std::string wanted;        // the variable as asked for, e.g. "bwf[1]"
  std::string error;       // why it cannot be edited; empty when located
  std::string file;        // data file holding its number
  long begin = 0, end = 0; // bytes of the number's text in the file, [begin, end)
  int line = 0;            // line of the number, for messages
  bool whole = false;      // read as a whole number
  bool option = false;     // an option of PARAD.TXT
  double value = 0;        // value the variable has after reading
};

struct LocateRun {
  bool stopped = false;    // the reading stopped with an input message
  std::string message;     // that message
  std::vector<Located> at;
};

// Locates the variables in the data files of dir. Names that are not
// variables, indices out of range, counts, and variables the options do not
// read are refused in Located::error.
LocateRun locate(const std::string& dir, const std::vector<std::string>& wanted_names);

// Replaces the number at `where` in its file by `value`; false with `why`
// when a whole number is asked for and value is not one.
bool edit_number(const std::string& dir, const Located& where, double value, std::string& why);

}  // namespace zelvan::batch
