#pragma once
// The files that stay open through the whole program: the template of the
// results file and the results file itself.
#include <cstdio>

#include "input/textio.h"

namespace zelvan {

inline constexpr int kMaxResultsName = 255;  // longest results file name accepted

struct Io {
  TextIn textd;                             // template of the results file, TEXTD_OUT.TXT
  std::FILE* out = nullptr;                 // results file
  char results_name[kMaxResultsName + 1];  // results file name typed by the user
  int section = 0;                          // number of the last input file echoed
  NumberRecorder* recorder = nullptr;       // passed to every data file opened, when set
};

}  // namespace zelvan
