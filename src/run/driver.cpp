#include "run/driver.h"

#include <cctype>
#include <cstdio>
#include <ctime>

#include "economics/economic_phases.h"
#include "herd/herd_phases.h"
#include "input/messages.h"
#include "input/readers.h"
#include "report/dump.h"
#include "report/results_file.h"
#include "run/schedule.h"
#include "weights/economic_weights.h"
#include "weights/gene_flow.h"
#include "weights/profit.h"

namespace zelvan {

// The phases of one run, in the order in which each reads what the
// earlier ones wrote. Young stock come before the cows in the nutrition
// because the feed of the cows uses their results.
const Phase kRunSequence[] = {
    {"cow_herd_structure", "Calculating parameters describing the structure of the cow herd", cow_herd_structure},
    {"herd_transition_matrix", nullptr, herd_transition_matrix},
    {"progeny_structure", "Calculating parameters describing the structure of the progeny", progeny_structure},
    {"growth", "Calculating parameters for growth", growth},
    {"nutrition_young_stock", "Calculating parameters for nutrition", nutrition_young_stock},
    {"nutrition_cows", nullptr, nutrition_cows},
    {"feed_intake", nullptr, feed_intake},
    {"costs", "Calculating costs", costs},
    {"milk_price_and_losses", nullptr, milk_price_and_losses},
    {"revenues", "Calculating revenues", revenues},
    {"discounted_expressions", "Calculating number of discounted expressions", discounted_expressions},
    {"profit", "Calculating profit", profit},
};
const int kRunSequenceSize = sizeof kRunSequence / sizeof kRunSequence[0];

namespace {

void print_banner() {
  std::printf("\n\n\nRunning ZELVAN Version 2.2.3, July 2012\n");
  std::printf("Economic weights of breeding-goal traits for dairy cattle\n");
  std::printf("from a deterministic bio-economic model of the herd and its progeny.\n");
  std::printf("Written by the ZELVAN developers.\n\n");
}

// Reads the results file name: one word without blanks, at most
// kMaxResultsName characters.
void ask_results_name(Io& io) {
  std::printf("Please enter the name of the file for writing results\n");
  std::fflush(stdout);
  char format[16];
  std::snprintf(format, sizeof format, "%%%ds", kMaxResultsName);
  if (std::scanf(format, io.results_name) != 1) stop_bad_results_name();
  const int next = std::getchar();
  if (next != EOF && !std::isspace(next)) stop_bad_results_name();
}

void open_results(Io& io) {
  io.out = std::fopen(io.results_name, "w");
  if (io.out == nullptr) stop_cannot_write(io.results_name);
}

[[noreturn]] void final_slot(Model& m, Io& io) {
  std::printf("Calculating gene flow\n");
  gene_flow(m);
  weight_differences(m);
  standardise_weights(m);
  std::fflush(stdout);
  print_weight_warnings(m, stderr);
  std::printf("Writing results to output file\n");
  write_results(m, io);
  std::fclose(io.out);
  close_text(io.textd);
  dump(m, "CHECKD");
  m.kon = static_cast<double>(std::clock());
  std::printf("\nThank you for using program ZELVAN.\n");
  std::printf("The results are in the file %s.\n", io.results_name);
  std::printf("The values of all variables are in the file CHECKD.\n");
  std::printf("The program needed %f seconds.\n", (m.kon - m.zac) / 1e6);
  common_stop();  // the closing empty line and exit status 0, as after every stop
}

}  // namespace

void read_input(Model& m, Io& io) {
  outputrw(io.textd, io.out);
  read_parad(m, io);
  read_data_files(m, io);
  fixed_coefficients(m);
}

void run_model(Model& m) {
  for (const Phase& phase : kRunSequence) {
    if (m.trait == 0 && phase.message != nullptr) std::printf("%s\n", phase.message);
    phase.run(m);
  }
}

void run_program(Model& m) {
  Io io{};
  init_model(m);
  m.zac = static_cast<double>(std::clock());
  print_banner();
  io.textd = open_text("TEXTD_OUT.TXT");
  ask_results_name(io);
  open_results(io);

  read_input(m, io);

  for (;;) {
    run_model(m);
    if (m.trait == 0 && m.irun == 1) dump(m, "CHECKDhelp");
    if (schedule_step(m) == Next::final_slot) final_slot(m, io);
  }
}

}  // namespace zelvan
