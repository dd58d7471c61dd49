#include "input/readers.h"

namespace zelvan {

void read_input27(Model&, Io&, TextIn&) {}
void read_input31(Model&, Io&, TextIn&) {}
void read_t(Model&, Io&, TextIn&) {}
void skip_t_blocks(Model& m, Io& io) {
  (void)m;
  for (int i = 0; i < 3; ++i) outputr(io.textd);
}
void set_trait_marks(Model&, Io&) {}
void read_input32(Model&, Io&, TextIn&) {}
void read_input33(Model&, Io&, TextIn&) {}

}  // namespace zelvan
