#pragma once
// Every message with which the program stops on inconsistent input or an
// impossible herd, and the common stop itself: the message goes to standard
// output, then one more line end, and the program ends with exit status 0.
// Whatever was written to the results file so far stays there.

#ifdef ZELVAN_FUZZ
#include <csetjmp>
#endif

namespace zelvan {

[[noreturn]] void common_stop();

#ifdef ZELVAN_FUZZ
// Fuzz build only (never in the program): when the fuzz harness sets this
// jump target, a stop returns to the harness instead of ending the process,
// so that the next input can run.
extern std::jmp_buf* fuzz_stop_jump;
#endif

// The numbered catalogue. j is a breed index (0 pure-bred, 1 cross-bred).
[[noreturn]] void nonsense1(int j);            // mxmc + mtest > 1 (INPUT15.TXT)
[[noreturn]] void nonsense2(int j);            // castrates without castration share (INPUT15.TXT)
[[noreturn]] void nonsense3();                 // cb = 0 and gene_flow = 3 (PARAD.TXT)
[[noreturn]] void nonsense4(int path);         // gene-transmission row does not sum to 0.5 (INPUT27.TXT)
[[noreturn]] void nonsense5(int age_classes);  // wrong number of age classes of dairy dams (INPUT27.TXT)
[[noreturn]] void nonsense6(int category);     // sold per kg and per head (INPUT21.TXT)
[[noreturn]] void nonsense7();                 // cb = 1 and ewopt = 0
[[noreturn]] void nonsense8();                 // cb = 1, ewopt = 1, gene_flow not 3
[[noreturn]] void nonsense9();                 // cb = 1, ewopt = 2, gene_flow = 3
[[noreturn]] void nonsense10();                // ewopt > 0 and cb = 0
[[noreturn]] void nonsense11(int cb);          // not enough dairy heifers for replacement
[[noreturn]] void nonsense12();                // weight after the second calving above mature weight
[[noreturn]] void nonsense13(int file_number); // day number of a daily table (INPUT30/38.TXT)
[[noreturn]] void nonsense14();                // gstd = 3 with reared cross-bred heifers
[[noreturn]] void nonsense15();                // residual feed intake in fattening without fattening
[[noreturn]] void stop_row_sum(int row, double sum);  // row of the herd transition matrix

// Messages for input that does not fit the model at all.
[[noreturn]] void stop_cannot_open(const char* file);
[[noreturn]] void stop_cannot_write(const char* file);
[[noreturn]] void stop_file_ends(const char* file, int line);
[[noreturn]] void stop_not_a_number(const char* file, int line, const char* found);
// lo = kNoLimit or hi = kNoLimit leaves that side of the range open.
constexpr long kNoLimit = -2147483648L;
[[noreturn]] void stop_out_of_range(const char* file, const char* item, long value, long lo, long hi);
[[noreturn]] void stop_zero_divisor(const char* file, const char* item);
[[noreturn]] void stop_not_positive(const char* file, const char* item, double value);
[[noreturn]] void stop_age_too_large(const char* file, const char* item, double days);

// An option or mark whose value is none of those the model lists goes on
// as the formulas say; one line on standard error tells the user.
void warn_unlisted(const char* file, const char* item, long value, const char* listed);
// The same for listed values lo..hi; silent for a value among them.
void warn_outside(const char* file, const char* item, long value, long lo, long hi);
[[noreturn]] void stop_no_beef_matings();
[[noreturn]] void stop_bad_results_name();

}  // namespace zelvan
