#pragma once
// Variables of the model state by the names the model knows them under: the
// list of the variable dump (the one table of names, members and sizes),
// looked up by name and index, e.g. "mcwd", "bwf[1]", "dysff[1][0][2]".
#include <string>
#include <vector>

#include "report/dump.h"
#include "run/model.h"

namespace zelvan::batch {

struct Element {
  std::string name;       // written as given, indices normalised: "bwf[1]"
  void* address = nullptr;
  ElemKind kind = ElemKind::f32;
};

// Finds the element named `wanted` in m. On failure returns false and says why
// in `why` (unknown name, wrong number of indices, index out of range).
bool find_element(Model& m, const std::string& wanted, Element& e, std::string& why);

double element_value(const Element& e);
void set_element(const Element& e, double v);

// Fills m from a variable dump (CHECKD, CHECKDhelp); elements the dump leaves
// out stay as they are.
void load_dump(Model& m, const std::string& text);

// Position in PARAD.TXT (0..23) of the option stored at `address` in m, or
// -1 when no option is stored there; and the names of the options in file
// order. Both ask the options reader itself.
int option_position(Model& m, const void* address);
std::vector<std::string> option_names();

}  // namespace zelvan::batch
