#pragma once
// The results of the base run and of the economic weights, written into the
// results file after the input echo, from the label blocks of TEXTD_OUT.TXT.
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// Columns of the trait table (section 4.1) in which trait t has a weight, as
// a bit mask: 1 pure-bred, 2 cross-bred, 4 the herd of the cross-bred dams;
// 0 when the trait has no line. Readers of the results file use it too.
int weight_columns(const Model& m, int t);

// Writes the twenty result sections and the closing block. Every template
// block is consumed in every configuration, so that the template ends
// exactly with the last block.
void write_results(const Model& m, Io& io);

}  // namespace zelvan
