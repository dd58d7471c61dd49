#pragma once
// Readers of the data files. Each reads one opened file into the model state
// and echoes it into the results file; the reading order opens, announces
// and numbers the files and calls them (reading_order.cpp).
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

void read_parad(Model& m, Io& io);  // PARAD.TXT: echo, options, checks, derived dimensions

// The options in the order in which PARAD.TXT holds them.
inline constexpr int kOptions = 24;
inline constexpr int kOptionLL = 17;  // position of LL, the number of reproduction cycles, among the options
void store_options(Model& m, const int (&v)[kOptions]);  // the options, in that order, into the model

void read_input15(Model& m, Io& io, TextIn& in);  // progeny and fattening
void read_input11(Model& m, Io& io, TextIn& in);  // cows
void read_input23(Model& m, Io& io, TextIn& in);  // carcass data of fattened animals
void read_input22(Model& m, Io& io, TextIn& in);  // lactation curve
void read_input21(Model& m, Io& io, TextIn& in);  // rations, daily costs, sale prices
void read_input12(Model& m, Io& io, TextIn& in);  // test bulls after weaning
void read_input07(Model& m, Io& io, TextIn& in);  // per-cycle cow data, calving difficulty
void read_input24(Model& m, Io& io, TextIn& in);  // carcass class matrices, pure-bred, and prices
void read_input25(Model& m, Io& io, TextIn& in);  // carcass class matrices, cross-bred
void read_input27(Model& m, Io& io, TextIn& in);  // gene-flow age classes and transmission rows
void read_input28(Model& m, Io& io, TextIn& in);  // milk payment
void read_input29(Model& m, Io& io, TextIn& in);  // mastitis
void read_input30(Model& m, Io& io, TextIn& in);  // daily mastitis table
void read_input37(Model& m, Io& io, TextIn& in);  // claw disorders
void read_input38(Model& m, Io& io, TextIn& in);  // daily claw-disorder table
void read_input31(Model& m, Io& io, TextIn& in);  // choice between alternative traits
void read_t(Model& m, Io& io, TextIn& in);        // T.TXT: traits of cross-bred breeding heifers
void skip_t_blocks(Model& m, Io& io);             // the template blocks of T.TXT when it is not read
void set_trait_marks(Model& m, Io& io);           // which traits are evaluated
void read_input32(Model& m, Io& io, TextIn& in);  // genetic standard deviations of both components
void read_input33(Model& m, Io& io, TextIn& in);  // genetic standard deviations, one component

// All data files in their fixed order, then the fixed coefficients.
void read_data_files(Model& m, Io& io);
void fixed_coefficients(Model& m);

}  // namespace zelvan
