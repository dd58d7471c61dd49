// Gene-flow age classes and transmission rows (INPUT27.TXT), the choice of
// alternative traits (INPUT31.TXT, T.TXT), the trait marks and the genetic
// standard deviations (INPUT32.TXT, INPUT33.TXT).
#include <gtest/gtest.h>

#include <sstream>
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

class TraitFiles : public ::testing::Test {
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

TEST_F(TraitFiles, GeneFlowRowsOfEachSystem) {
  EXPECT_EQ(read27(1, 2, 1, 3), "END");
  EXPECT_EQ(values(m->acsd, m->acdd, m->acsb, m->acdc, m->n_sac, m->l_inv), "3 4 2 2 1 10");
  // Classes: beef sires 1-2, dairy dams 3-6, dairy sires 7-9, cross-bred 10-11.
  EXPECT_EQ(values(m->PM[7][9], m->PM[3][8], m->PM[7][4], m->PM[10][1]), "0.15 0.2 0.2 0.3");
  double total = 0.0;
  for (const auto& row : m->PM)
    for (double x : row) total += x;
  EXPECT_NEAR(total, 2.0, 1e-12);  // four rows of 0.5, nothing else
  const std::string out = t.results();
  EXPECT_TRUE(out.starts_with(" Dairy sire classes    (n):  3  Dairy dam classes    (n):  4 "));
  EXPECT_TRUE(out.ends_with("\nSires to sires    (share): 0.1000 0.2500 0.1500\nSires to dams    (share): 0.2000 0.2000 0.1000"
                            "\nDams to sires    (share): 0.1000 0.2000 0.1000 0.1000"
                            "\nBeef sires to crossbred    (share): 0.3000 0.2000\n\n"));

  // Cross-bred dams without reared cross-bred heifers: no class count.
  EXPECT_EQ(read27(1, 2, 1, 1), "END");
  EXPECT_EQ(values(m->acsb, m->acdc), "2 0");
  // Pure-bred: no cross-bred counts and no fourth row (its numbers stay
  // unread); dams 1-4, sires 5-7.
  const size_t before = t.results().size();
  EXPECT_TRUE(read27(0, 0, 1, 1, "0.3 0.2 \"Beef", "0.9 \"Beef").starts_with("0.9 "));
  EXPECT_EQ(values(m->acsb, m->acdc, m->PM[5][7], m->PM[1][5], m->PM[5][2]), "0 0 0.15 0.2 0.2");
  EXPECT_FALSE(contains(t.results().substr(before), "Beef sire classes") ||
               contains(t.results().substr(before), "Crossbred dam classes"));

  // A row sum within 0.00001 of one half is accepted.
  EXPECT_EQ(read27(1, 2, 1, 3, "0.1 0.25 0.15 ", "0.1 0.25 0.150005 "), "END");
  EXPECT_EQ(m->PM[7][9], 0.150005);
}

using TraitFilesDeathTest = TraitFiles;

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

TEST_F(TraitFiles, Input31AndTTxtChooseTheAlternativeTraits) {
  write_file("INPUT31.TXT",
             "/INPUT31 alternatives/\n32 \"Fat\" \"t\"\n34 \"Protein\" \"t\"\n11 \"Survival\" \"t\"\n"
             "/fertility/\n40 \"Heifers\" \"t\"\n13 \"Cows\" \"t\"\nEND");
  EXPECT_EQ(read_with(*m, t.io, read_input31, "INPUT31.TXT"), "END");
  EXPECT_EQ(values(m->flag[1], m->flag[2], m->flag[3], m->flag[7], m->flag[8]), "32 34 11 40 13");
  EXPECT_EQ(t.results(), " Fat    (t):  32  Protein    (t):  34  Survival    (t):  11  Heifers    (t):  40  Cows    (t):  13 \n");

  // T.TXT: eight numbers without texts, echoed under three template labels.
  write_file("T.TXT", "/T traits of cross-bred dams/\n26 7 28\n29\n0 1 2 0\nEND");
  open_template("\"\nFirst (6 or 26\"\n\"\nSecond (7 or 27\"\"\nThird (8 or 28\"\"Next block\"");
  EXPECT_EQ(read_with(*m, t.io, read_t, "T.TXT"), "END");
  // Flag 3 replaces the choice of INPUT31.TXT; then the marks of traits 43, 44, 47, 45.
  EXPECT_EQ(values(m->flag[4], m->flag[5], m->flag[6], m->flag[3], m->to3[43], m->to3[44], m->to3[47], m->to3[45]),
            "26 7 28 29 0 1 2 0");
  EXPECT_TRUE(t.results().ends_with("Cows    (t):  13 \n\nFirst (6 or 26):  26 \n\nSecond (7 or 27):  7 \nThird (8 or 28):  28\n\n"));
  outputrw(t.io.textd, t.io.out);
  EXPECT_TRUE(t.results().ends_with(":  28\n\nNext block"));

  // Without T.TXT its three template blocks are passed over.
  open_template("\"one\"\"two\"\"three\"\"four\"");
  skip_t_blocks(*m, t.io);
  outputrw(t.io.textd, t.io.out);
  EXPECT_TRUE(t.results().ends_with("Next blockfour"));
}

// "t:v ..." for the traits t that `pattern` (of the same form) names, with
// v = value(m, t): a whole set of marks compares at a glance.
std::string per_trait(const Model& m, const std::string& pattern, int (*value)(const Model& m, int t)) {
  std::istringstream in(pattern);
  std::string token, s;
  while (in >> token) {
    const int trait = std::stoi(token);
    if (!s.empty()) s += ' ';
    s += std::to_string(trait);
    s += ':';
    s += std::to_string(value(m, trait));
  }
  return s;
}
int mark(const Model& m, int t) { return m.to[t]; }
int components(const Model& m, int t) { return m.delta_d[t] + 10 * m.delta_m[t]; }

// A system for the marks: options, fattening, the choices of INPUT31.TXT
// and T.TXT (flag 1..8) and the T.TXT marks of traits 43, 44, 45 and 47.
struct MarkSystem {
  int cb, ewopt, gene_flow, utifemcr, paf0, rfi_fa, rfi_calf, mast_claw, a30, rct;
  int flag[9];
  int to3_43, to3_44, to3_45, to3_47;
  const char* marks;
  const char* components;  // calf component + 10 x cow component
};

void set_system(Model& m, const MarkSystem& c) {
  m.cb = c.cb;
  m.ewopt = c.ewopt;
  m.gene_flow = c.gene_flow;
  m.utifemcr = c.utifemcr;
  m.paf[0] = c.paf0;
  m.rfi_fa = c.rfi_fa;
  m.rfi_calf = c.rfi_calf;
  m.mast_inc = m.claw_inc = c.mast_claw;
  m.ind_a30 = c.a30;
  m.ind_RCT = c.rct;
  for (int i = 0; i < 9; ++i) m.flag[i] = c.flag[i];
  m.to3[43] = c.to3_43;
  m.to3[44] = c.to3_44;
  m.to3[45] = c.to3_45;
  m.to3[47] = c.to3_47;
}

// The pure-bred dairy system most runs use: alternatives 32, 34, 29, 12, 13.
const MarkSystem kPureBred = {
    0, 0, 1, 1, 0, 0, 0, 1, 0, 0, {0, 32, 34, 29, 0, 0, 0, 12, 13}, 1, 1, 1, 1,
    "14:0 15:0 16:0 17:0 19:0 20:0 21:0 22:0 24:0 25:0 6:1 7:1 8:1 26:1 27:1 28:1 47:1 9:1 42:1 43:1 44:1 45:2 37:2 46:2 "
    "32:2 33:1 11:1 29:2 12:2 40:1 13:2 41:1 38:1 39:1 4:2 1:2",
    "1:11 4:10 10:1 33:0 0:0"};

TEST_F(TraitFiles, MarksFollowTheOptionsAndTheChosenAlternatives) {
  const MarkSystem cases[] = {
      kPureBred,
      // Each flag keeps the trait it names; any other value the second of its pair.
      {0, 0, 1, 1, 0, 0, 0, 1, 0, 0, {0, 33, 35, 11, 0, 0, 0, 40, 7}, 1, 1, 1, 1,
       "32:1 33:2 34:1 35:2 11:2 29:1 12:1 40:2 13:1 41:2", "11:10 29:0"},
      {0, 0, 1, 1, 0, 0, 0, 1, 0, 0, {0, 0, 34, 29, 0, 0, 0, 12, 13}, 1, 1, 1, 1, "32:1 33:2", "33:10"},
      // Fattening with its residual feed intake; no health traits; curd firmness paid.
      {0, 0, 1, 1, 1, 1, 1, 0, 1, 0, {0, 32, 34, 29, 0, 0, 0, 12, 13}, 1, 1, 0, 1,
       "9:2 42:2 44:2 45:1 37:1 46:1 39:2 38:1", "9:1 42:1"},
      // Fattening without its residual feed intake: the T.TXT marks 0 keep 43 and 44.
      {0, 0, 1, 1, 1, 0, 0, 1, 0, 0, {0, 32, 34, 29, 0, 0, 0, 12, 13}, 0, 0, 1, 1, "43:2 44:2", "44:1"},
      // Cross-bred heifers reared for breeding: the T.TXT choices count, not flags 7 and 8.
      {1, 2, 1, 3, 0, 0, 0, 1, 0, 0, {0, 0, 0, 29, 26, 7, 5, 40, 41}, 1, 1, 1, 2,
       "6:1 26:2 7:2 27:1 8:1 28:2 12:2 13:2 40:1 41:1 47:2", "4:10 7:11"},
      // Without them the cross-bred dam traits drop out.
      {1, 2, 2, 1, 0, 0, 0, 1, 0, 0, {0, 32, 34, 29, 0, 0, 0, 12, 13}, 1, 1, 1, 2, "6:1 7:1 8:1 26:1 27:1 28:1 47:1", "4:10"},
      // Beef sires whose daughters are not kept reach the cows not at all;
      // milk traits do not matter for them.
      {1, 1, 3, 1, 0, 0, 0, 1, 1, 1, {0, 32, 34, 29, 0, 0, 0, 12, 13}, 1, 1, 1, 1,
       "4:1 31:1 32:1 34:1 36:1 37:1 38:1 39:1 46:1", "1:1 2:1 30:1 5:1 3:1"},
  };
  for (const MarkSystem& c : cases) {
    m = new_model();
    set_system(*m, c);
    set_trait_marks(*m, t.io);
    EXPECT_EQ(per_trait(*m, c.marks, mark), c.marks);
    EXPECT_EQ(per_trait(*m, c.components, components), c.components);
  }
}

// A deviation file for the marks of m: one item per listed trait, with the
// numbers the reader must take (none for traits not evaluated).
std::string deviation_file(const Model& m, bool both_components) {
  std::string text = "/Genetic standard deviations/\n";
  for (int trait = 1; trait < NT; ++trait) {
    if (m.to[trait] == 0) continue;
    const std::string n = std::to_string(trait);
    if (m.to[trait] == 2 && (!both_components || m.tt[trait] != 1)) text += n + ".25 ";
    if (m.to[trait] == 2 && both_components && m.tt[trait] > 0) text += n + ".5 ";
    text += "\"Trait " + n + "\" \"unit\"\n";
  }
  return text + "END";
}

TEST_F(TraitFiles, DeviationsFollowTheMarksAndKinds) {
  for (const bool both : {true, false}) {
    m = new_model();
    set_system(*m, kPureBred);
    set_trait_marks(*m, t.io);
    const char* file = both ? "INPUT32.TXT" : "INPUT33.TXT";
    write_file(file, deviation_file(*m, both));
    const size_t before = t.results().size();
    EXPECT_EQ(read_with(*m, t.io, both ? read_input32 : read_input33, file), "END");
    // Calf and cow components of trait 1 (in calves and cows), 4 (in cows),
    // 10 (in calves) and 33 (not evaluated).
    EXPECT_EQ(values(m->gstd_d[1], m->gstd_m[1], m->gstd_d[4], m->gstd_m[4], m->gstd_d[10], m->gstd_m[10], m->gstd_d[33],
                     m->gstd_m[33]),
              both ? "1.25 1.5 0 4.5 10.25 0 0 0" : "1.25 0 4.25 0 10.25 0 0 0");
    const std::string out = t.results().substr(before);
    EXPECT_TRUE(out.starts_with(both ? "\nTrait 1    (unit):      1.2500       1.5000\nTrait 2    (unit):"
                                     : "\nTrait 1    (unit):      1.2500\nTrait 2    (unit):"));
    EXPECT_TRUE(contains(out, both ? "\nTrait 4    (unit):      4.5000\nTrait 5" : "\nTrait 4    (unit):      4.2500\nTrait 5"));
    EXPECT_FALSE(contains(out, "Trait 33"));
    EXPECT_TRUE(out.ends_with("\n\n"));
  }
}

}  // namespace
}  // namespace zelvan
