#include "input/readers.h"

namespace zelvan {

void read_input22(Model&, Io&, TextIn&) {}
void read_input07(Model&, Io&, TextIn&) {}
void read_input29(Model&, Io&, TextIn&) {}
void read_input30(Model&, Io&, TextIn&) {}
void read_input37(Model&, Io&, TextIn&) {}
void read_input38(Model&, Io&, TextIn&) {}

}  // namespace zelvan
