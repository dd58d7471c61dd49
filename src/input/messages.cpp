#include "input/messages.h"

#include <cstdio>
#include <cstdlib>

namespace zelvan {

namespace {

const char* breed_word(int j) { return j == 0 ? "pure-bred " : "cross-bred "; }

// The common header of the option messages of PARAD.TXT.
void parad_header() { std::puts("\nSomething is going wrong with your parameters in PARAD.TXT."); }

void correct_and_restart() { std::puts("Correct the error and restart the program.\n"); }

}  // namespace

#ifdef ZELVAN_FUZZ
std::jmp_buf* fuzz_stop_jump = nullptr;
#endif

void common_stop() {
  std::printf("\n");
  std::fflush(stdout);
#ifdef ZELVAN_FUZZ
  if (fuzz_stop_jump != nullptr) std::longjmp(*fuzz_stop_jump, 1);
#endif
  std::exit(0);
}

void nonsense1(int j) {
  std::printf("\nSomething is going wrong. The sum of the proportions of %smale calves\n", breed_word(j));
  std::puts("alive at 48 hours determined for export and for breeding is > 1.");
  std::puts("Correct the error in INPUT15.TXT and restart the program.\n\n");
  common_stop();
}

void nonsense2(int j) {
  std::puts("\nSomething is going wrong. In PARAD.TXT you state that there are ");
  std::printf("  %scastrates for fattening, but in INPUT15.TXT you give a\n", breed_word(j));
  std::printf("  proportion of zero for %scastrates for fattening.\n", breed_word(j));
  std::puts("  Resolve this problem and restart the program.\n\n");
  common_stop();
}

void nonsense3() {
  parad_header();
  std::puts("When you state that there is no cross-breeding in the system,");
  std::puts("you cannot calculate the economic weight for beef sires.");
  std::puts("Therefore, the option for the selection group for which gene flow");
  std::puts("is calculated cannot be 3.");
  correct_and_restart();
  common_stop();
}

void nonsense4(int path) {
  static const char* const paths[] = {"sires to sires ", "sires to dams ", "dams to sires ",
                                      "beef sires to crossbred progeny "};
  std::puts("\n\n\nSomething is going wrong. The proportions of genes for the path");
  std::printf("%sdo not sum to 0.5.\n", paths[(path >= 1 && path <= 4) ? path - 1 : 0]);
  std::puts("Correct the error in INPUT27.TXT and restart the program.\n\n");
  common_stop();
}

void nonsense5(int age_classes) {
  std::puts("\n\n\nSomething is going wrong. The number of age classes for ");
  std::printf("dairy dams is not correct. You should use the value %d .\n", age_classes);
  std::puts("Correct the error in INPUT27.TXT and restart the program.\n\n");
  common_stop();
}

void nonsense6(int category) {
  std::puts("\n\n\nSomething is going wrong. You cannot sell the animals of");
  std::printf("category %d per kg live weight and in the same time per head.\n", category);
  std::puts("Correct the error in INPUT21.TXT and restart the program.\n\n");
  common_stop();
}

void nonsense7() {
  parad_header();
  std::puts("When you state that there is cross-breeding in the system,");
  std::puts("the option for the calculation of economic values must be");
  std::puts("1 or 2, it cannot be 0.");
  correct_and_restart();
  common_stop();
}

void nonsense8() {
  parad_header();
  std::puts("When there is cross-breeding in the system and the option for");
  std::puts("the calculation of economic values is 1, then the option for");
  std::puts("the selection group for which gene flow is calculated must be 3.");
  correct_and_restart();
  common_stop();
}

void nonsense9() {
  parad_header();
  std::puts("When there is cross-breeding in the system and the option for");
  std::puts("the calculation of economic values is 2, then the option for");
  std::puts("the selection group for which gene flow is calculated must not be 3.");
  correct_and_restart();
  common_stop();
}

void nonsense10() {
  parad_header();
  std::puts("You intend to calculate the economic weights for a pure-bred system.");
  std::puts("In this system, the option for the calculation of economic");
  std::puts("weights must be always 0.");
  correct_and_restart();
  common_stop();
}

void nonsense11(int cb) {
  if (cb == 1) {
    std::puts("\nSomething is going wrong. There are not enough dairy heifers for ");
    std::puts("replacement. Decrease the proportion of cows mated with beef bulls");
    std::puts("and/or change one or more of the following parameters in INPUT07.TXT:");
    std::puts("cow losses, culling for health, culling for low milk production and");
    std::puts("conception rate for cows and/or heifers. Furthermore, the value for ");
    std::puts("heifers negatively selected before mating may be too high (INPUT15.TXT).\n\n");
  } else {
    std::puts("\nSomething is going wrong. There are not enough dairy heifers for ");
    std::puts("replacement. Change one or more of the following parameters in ");
    std::puts("INPUT07.TXT: cow losses, culling for health, culling for low milk ");
    std::puts("production and conception rate for cows and/or heifers.");
    std::puts("Furthermore, the value for heifers negatively selected before ");
    std::puts("mating may be too high (INPUT15.TXT).\n\n");
  }
  common_stop();
}

void nonsense12() {
  std::puts("\nOne of your input parameters is wrong.");
  std::puts("Decrease the parameter Average daily gain of cows in 1st reproduction");
  std::puts("cycle in INPUT11.TXT and restart the program.");
  common_stop();
}

void nonsense13(int file_number) {
  std::printf("\nYour input parameters in INPUT%2d.TXT are not correct. Correct this file\n", file_number);
  std::puts("and restart the program.");
  common_stop();
}

void nonsense14() {
  parad_header();
  std::puts("The option for Genetic standard deviation of the traits is in ");
  std::puts("contradiction with other parameter values in  PARAD.TXT.");
  std::puts("You can only use values 1 or 2.");
  correct_and_restart();
  common_stop();
}

void nonsense15() {
  parad_header();
  std::puts("You cannot calculate the economic value for residual dry");
  std::puts("matter intake in fattening if there is no fattening.");
  std::puts("Correct the error in  PARAD.TXT and restart the program.\n");
  common_stop();
}

void stop_row_sum(int row, double sum) {
  std::puts("Sum of elements of T is different from 1: ");
  std::printf("     %d %12.9f\n", row, sum);
  common_stop();
}

void stop_cannot_open(const char* file) {
  std::printf("\nThe file %s cannot be opened. It must be in the working directory.\n", file);
  std::puts("Provide the file and restart the program.");
  common_stop();
}

void stop_cannot_write(const char* file) {
  std::printf("\nThe file %s cannot be written. The working directory must be writable,\n", file);
  std::puts("and no directory or protected file of that name may be in the way.");
  std::puts("Correct this and restart the program.");
  common_stop();
}

void stop_file_ends(const char* file, int line) {
  std::printf("\nThe file %s ends too early (line %d): some of its data are missing.\n", file, line);
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void stop_not_a_number(const char* file, int line, const char* found) {
  std::printf("\nIn the file %s, line %d, a number is expected but \"%s\" was found.\n", file, line, found);
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void stop_out_of_range(const char* file, const char* item, long value, long lo, long hi) {
  if (lo == kNoLimit) {
    std::printf("\nIn the file %s, the value %ld of %s is above %ld,\n", file, value, item, hi);
    std::puts("the largest value that the program can handle.");
  } else if (hi == kNoLimit) {
    std::printf("\nIn the file %s, the value %ld of %s is below %ld,\n", file, value, item, lo);
    std::puts("the smallest value that the program can handle.");
  } else {
    std::printf("\nIn the file %s, the value %ld of %s is outside the range %ld to %ld\n", file, value, item, lo,
                hi);
    std::puts("that the program can handle.");
  }
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void stop_zero_divisor(const char* file, const char* item) {
  std::printf("\nIn the file %s, the value of %s is zero, but other values are\n", file, item);
  std::puts("expressed relative to it. It must not be zero.");
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void stop_not_positive(const char* file, const char* item, double value) {
  std::printf("\nIn the file %s, the value %g of %s is not above zero,\n", file, value, item);
  std::puts("but the model divides by it or takes its logarithm. It must be above zero.");
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void stop_age_too_large(const char* file, const char* item, double days) {
  std::printf("\nThe values of %s in the file %s give an age or a period of %g days,\n", item, file, days);
  std::puts("more than the 100 years that the program follows day by day.");
  std::printf("Correct the error in %s and restart the program.\n", file);
  common_stop();
}

void warn_unlisted(const char* file, const char* item, long value, const char* listed) {
  std::fprintf(stderr, "Warning: in the file %s, the value %ld of %s is none of the listed values (%s); the run goes on.\n",
               file, value, item, listed);
}

void warn_outside(const char* file, const char* item, long value, long lo, long hi) {
  if (value >= lo && value <= hi) return;
  char listed[48];
  std::snprintf(listed, sizeof listed, "%ld to %ld", lo, hi);
  warn_unlisted(file, item, value, listed);
}

void stop_no_beef_matings() {
  std::puts("\nIn PARAD.TXT you state that cows are mated with beef bulls, but the");
  std::puts("proportions of cows (INPUT07.TXT) and heifers (INPUT11.TXT) mated with");
  std::puts("beef bulls are all zero, so no cross-bred calves are born.");
  std::puts("Correct the error and restart the program.");
  common_stop();
}

void stop_bad_results_name() {
  std::puts("\nThe name of the file for writing results is missing or too long");
  std::puts("(at most 255 characters without blanks). Restart the program.");
  common_stop();
}

}  // namespace zelvan
