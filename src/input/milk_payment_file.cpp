#include "input/readers.h"

namespace zelvan {

void read_input28(Model&, Io&, TextIn&) {}

}  // namespace zelvan
