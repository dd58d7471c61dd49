// The fixed order in which the data files are read. Each file that is read
// gets the next section number of the results file and a console line.
#include <cstdio>

#include "input/readers.h"

namespace zelvan {

namespace {

struct ReadingStep {
  const char* file;                            // nullptr for a step without a file
  int number;                                  // INPUTnn number of the section heading; 0: no heading
  bool (*when)(const Model& m);                // the file is read only when this holds
  void (*read)(Model& m, Io& io, TextIn& in);  // reads the opened file
  void (*otherwise)(Model& m, Io& io);         // runs when the file is not read (or always, without file)
};

bool always(const Model&) { return true; }
bool test_bulls_after_weaning(const Model& m) { return m.age[10] > m.agew[0]; }
bool crossbred_fattening(const Model& m) { return m.cb == 1 && m.paf[1] == 1; }
bool mastitis(const Model& m) { return m.mast_inc == 1; }
bool claw_disorders(const Model& m) { return m.claw_inc == 1; }
bool crossbred_breeding_heifers(const Model& m) { return m.cb == 1 && m.utifemcr == 3; }
bool never(const Model&) { return false; }
bool deviations_both(const Model& m) { return m.gstd == 2; }
bool deviations_one(const Model& m) { return m.gstd == 3 && (m.cb == 0 || m.utifemcr != 3); }

const ReadingStep kReadingOrder[] = {
    {"INPUT15.TXT", 15, always, read_input15, nullptr},
    {"INPUT11.TXT", 11, always, read_input11, nullptr},
    {"INPUT23.TXT", 23, always, read_input23, nullptr},
    {"INPUT22.TXT", 22, always, read_input22, nullptr},
    {"INPUT21.TXT", 21, always, read_input21, nullptr},
    {"INPUT12.TXT", 12, test_bulls_after_weaning, read_input12, nullptr},
    {"INPUT07.TXT", 7, always, read_input07, nullptr},
    {"INPUT24.TXT", 24, always, read_input24, nullptr},
    {"INPUT25.TXT", 25, crossbred_fattening, read_input25, nullptr},
    {"INPUT27.TXT", 27, always, read_input27, nullptr},
    {"INPUT28.TXT", 28, always, read_input28, nullptr},
    {"INPUT29.TXT", 29, mastitis, read_input29, nullptr},
    {"INPUT30.TXT", 30, mastitis, read_input30, nullptr},
    {"INPUT37.TXT", 37, claw_disorders, read_input37, nullptr},
    {"INPUT38.TXT", 38, claw_disorders, read_input38, nullptr},
    {"INPUT31.TXT", 31, always, read_input31, nullptr},
    {"T.TXT", 0, crossbred_breeding_heifers, read_t, skip_t_blocks},
    {nullptr, 0, never, nullptr, set_trait_marks},
    {"INPUT32.TXT", 32, deviations_both, read_input32, nullptr},
    {"INPUT33.TXT", 33, deviations_one, read_input33, nullptr},
};

}  // namespace

void read_data_files(Model& m, Io& io) {
  for (const ReadingStep& step : kReadingOrder) {
    if (step.file == nullptr || !step.when(m)) {
      if (step.otherwise != nullptr) step.otherwise(m, io);
      continue;
    }
    TextIn in = open_text(step.file);
    in.recorder = io.recorder;
    std::printf("Reading data from %s\n", step.file);
    if (step.number > 0) inp07(io.out, step.number, ++io.section);
    step.read(m, io, in);
    close_text(in);
  }
}

}  // namespace zelvan
