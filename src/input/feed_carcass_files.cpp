#include "input/readers.h"

namespace zelvan {

void read_input23(Model&, Io&, TextIn&) {}
void read_input21(Model&, Io&, TextIn&) {}
void read_input12(Model&, Io&, TextIn&) {}
void read_input24(Model&, Io&, TextIn&) {}
void read_input25(Model&, Io&, TextIn&) {}

}  // namespace zelvan
