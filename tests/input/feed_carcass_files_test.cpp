// Carcass grid sizes of INPUT23.TXT outside the model's grids stop the
// program, at the largest grid and below the smallest, before they are used.
#include <gtest/gtest.h>

#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// Options and flags of the bundled pure-bred Holstein herd (CC = 82):
// surplus heifers and bulls fattened, no castrates, no residual feed intake.
void holstein_options(Model& m) {
  m.cb = 0;
  m.CC = 82;
  m.utifemcr = 1;
  m.pbf[0] = m.pff[0] = m.paf[0] = 1;
}

class FeedCarcassFilesDeathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_example("holstein");
    holstein_options(*m);
  }
  ScratchDir dir;  // first: the working directory of everything below
  std::unique_ptr<Model> m = new_model();
  TestIo t;
};

TEST_F(FeedCarcassFilesDeathTest, CarcassGridsThatDoNotFitStop) {
  const auto read23 = [this] { read_with(*m, t.io, read_input23, "INPUT23.TXT"); };
  set_numbers("INPUT23.TXT", "Number of conformation", "22");
  expect_stop(read23, "INPUT23\\.TXT.*value 22 of p1.*1 to 21");
  // p1 is tested before p2 is read: the word in place of p2 is not reached.
  set_numbers("INPUT23.TXT", "Number of conformation", "0");
  set_numbers("INPUT23.TXT", "Number of fat", "five");
  expect_stop(read23, "INPUT23\\.TXT.*value 0 of p1.*1 to 21");
  set_numbers("INPUT23.TXT", "Number of conformation", "21");
  set_numbers("INPUT23.TXT", "Number of fat", "-3");
  expect_stop(read23, "INPUT23\\.TXT.*value -3 of p2.*1 to 21");
  // The grid readers test the counts before they use them.
  m->p1 = 5;
  m->p2 = 22;
  expect_stop([this] { read_with(*m, t.io, read_input24, "INPUT24.TXT"); }, "value 22 of p2");
  m->p1 = 0;
  expect_stop([this] { read_with(*m, t.io, read_input25, "INPUT24.TXT"); }, "value 0 of p1");
}

}  // namespace
}  // namespace zelvan
