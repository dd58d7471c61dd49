#include "input/readers.h"

namespace zelvan {

void read_input15(Model&, Io&, TextIn&) {}
void read_input11(Model&, Io&, TextIn&) {}

}  // namespace zelvan
