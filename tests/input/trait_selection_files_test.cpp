// Gene-flow data the model cannot hold (INPUT27.TXT, T.TXT): transmission
// rows that miss 0.5 by more than the tolerance, class counts beyond the
// matrix, a selected class outside its group, a trait mark not 1 or 2.
#include <gtest/gtest.h>

#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// A cross-bred system with reared cross-bred heifers: 3 dairy-sire, 4
// dairy-dam, 2 beef-sire and 2 cross-bred-dam classes. In a pure-bred
// system the two cross-bred counts are passed over.
const char* const kInput27 =
    "/INPUT27 gene flow/\n3 \"Dairy sire classes\" \"n\"\n4 \"Dairy dam classes\" \"n\"\n"
    "2 \"Beef sire classes\" \"n\"\n2 \"Crossbred dam classes\" \"n\"\n1 \"Selected class\" \"n\"\n"
    "10.0 \"Investment\" \"years\"\n0.1 0.25 0.15 \"Sires to sires\" \"share\"\n0.2 0.2 0.1 \"Sires to dams\" \"share\"\n"
    "0.1 0.2 0.1 0.1 \"Dams to sires\" \"share\"\n0.3 0.2 \"Beef sires to crossbred\" \"share\"\nEND";

class TraitFilesDeathTest : public ::testing::Test {
 protected:
  // INPUT27.TXT with one edit, read into a fresh model of the given system;
  // returns what is left behind the last item.
  std::string read27(int cb, int ewopt, int gene_flow, int utifemcr, const std::string& from = "", const std::string& to = "") {
    write_file("INPUT27.TXT", kInput27);
    if (!from.empty()) replace_in_file("INPUT27.TXT", from, to);
    m = new_model();
    m->cb = cb;
    m->ewopt = ewopt;
    m->gene_flow = gene_flow;
    m->utifemcr = utifemcr;
    m->PM[0][0] = 7.0;  // the matrix is cleared before the rows are read
    return read_with(*m, t.io, read_input27, "INPUT27.TXT");
  }
  void open_template(const std::string& text) {
    write_file("TEXTD_OUT.TXT", text);
    t.io.textd = open_text("TEXTD_OUT.TXT");
  }

  ScratchDir dir;
  std::unique_ptr<Model> m = new_model();
  TestIo t;
};

TEST_F(TraitFilesDeathTest, DataTheModelCannotHoldStop) {
  const struct {
    const char* from;
    const char* to;
    const char* message;
  } cases[] = {
      {"0.1 0.25 0.15 ", "0.1 0.25 0.1501 ", "The proportions of genes for the path\nsires to sires do not sum to 0\\.5"},
      {"0.2 0.2 0.1 ", "0.2 0.2 0.0999 ", "path\nsires to dams do not sum"},
      {"0.1 0.2 0.1 0.1 ", "0.1 0.2 0.1 0.2 ", "path\ndams to sires do not sum"},
      {"0.3 0.2 ", "0.3 0.3 ", "path\nbeef sires to crossbred progeny do not sum to 0\\.5\\.\nCorrect the error in INPUT27\\.TXT"},
      {"3 \"Dairy sire", "21 \"Dairy sire", "INPUT27.TXT, the value 21 of acsd .* 0 to 20"},
      {"4 \"Dairy dam", "-1 \"Dairy dam", "the value -1 of acdd .* 0 to 20"},
      {"2 \"Beef sire", "21 \"Beef sire", "the value 21 of acsb .* 0 to 20"},
      {"2 \"Crossbred dam", "26 \"Crossbred dam", "the value 26 of acdc .* 0 to 25"},
      {"1 \"Selected", "0 \"Selected", "the value 0 of n_sac .* 1 to 3"},
      {"1 \"Selected", "4 \"Selected", "the value 4 of n_sac .* 1 to 3"},
  };
  for (const auto& c : cases) expect_stop([&] { read27(1, 2, 1, 3, c.from, c.to); }, c.message);
  // The selected class lies in the block of the selection group.
  expect_stop([&] { read27(1, 1, 3, 3, "1 \"Selected", "3 \"Selected"); }, "the value 3 of n_sac .* 1 to 2");
  // The T.TXT mark of trait 47 becomes a trait mark as it stands.
  write_file("T.TXT", "/T/\n6 7 8 11 1 1 3 1\n");
  open_template("\"a\"\"b\"\"c\"");
  expect_stop([&] { read_with(*m, t.io, read_t, "T.TXT"); }, "T.TXT, the value 3 of the mark of trait 47 .* 1 to 2");
}

}  // namespace
}  // namespace zelvan
