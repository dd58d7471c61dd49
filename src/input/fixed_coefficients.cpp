#include <cstdio>

#include "input/readers.h"

namespace zelvan {

void fixed_coefficients(Model&) { std::printf("Testing data and calculating several coefficients\n"); }

}  // namespace zelvan
