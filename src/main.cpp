// ZELVAN: economic weights of breeding-goal traits of a dairy cattle
// production system. Takes no arguments; reads its data from the working
// directory and asks for the name of the results file.
#include "run/driver.h"

int main() {
  static zelvan::Model model;  // the one model state of the program
  zelvan::run_program(model);
}
