#pragma once
// The results of the base run and of the economic weights, written into the
// results file after the input echo, from the label blocks of TEXTD_OUT.TXT.
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// Writes the twenty result sections and the closing block. Every template
// block is consumed in every configuration, so that the template ends
// exactly with the last block.
void write_results(const Model& m, Io& io);

}  // namespace zelvan
