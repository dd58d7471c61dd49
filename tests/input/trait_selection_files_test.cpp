// Gene-flow age classes and transmission rows (INPUT27.TXT), the choice of
// alternative traits (INPUT31.TXT, T.TXT), the trait marks and the genetic
// standard deviations (INPUT32.TXT, INPUT33.TXT).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::copy_example;
using testing_support::load_parad;
using testing_support::new_model;
using testing_support::replace_in_file;
using testing_support::ScratchDir;
using testing_support::TestIo;
using testing_support::write_file;

// A cross-bred system with reared cross-bred heifers: 3 dairy-sire, 4
// dairy-dam, 2 beef-sire and 2 cross-bred-dam classes. In a pure-bred
// system the two cross-bred counts are passed over and the first three
// rows are read with 3 and 4 numbers as well.
const char* const kInput27 =
    "/INPUT27 gene flow/\n"
    "3 \"Dairy sire classes\" \"n\"\n"
    "4 \"Dairy dam classes\" \"n\"\n"
    "2 \"Beef sire classes\" \"n\"\n"
    "2 \"Crossbred dam classes\" \"n\"\n"
    "1 \"Selected class\" \"n\"\n"
    "10.0 \"Investment\" \"years\"\n"
    "0.1 0.25 0.15 \"Sires to sires\" \"share\"\n"
    "0.2 0.2 0.1 \"Sires to dams\" \"share\"\n"
    "0.1 0.2 0.1 0.1 \"Dams to sires\" \"share\"\n"
    "0.3 0.2 \"Beef sires to crossbred\" \"share\"\n"
    "END";

// What a reader leaves unread of its file.
std::string rest(TextIn& in) {
  std::string s;
  for (int c = std::fgetc(in.fp); c != EOF; c = std::fgetc(in.fp)) s.push_back(static_cast<char>(c));
  return s;
}

bool example_exists(const std::string& name) {
  return std::filesystem::is_directory(std::string(ZELVAN_EXAMPLES) + "/" + name);
}

class TraitFiles : public ::testing::Test {
 protected:
  // Reads the named file of the scratch directory with the given reader;
  // returns what is left behind the last item.
  std::string read(const char* file, void (*reader)(Model&, Io&, TextIn&)) {
    TextIn in = open_text(file);
    reader(*m, t.io, in);
    std::string left = rest(in);
    close_text(in);
    return left;
  }
  void crossbred(int ewopt, int gene_flow, int utifemcr) {
    m->cb = 1;
    m->ewopt = ewopt;
    m->gene_flow = gene_flow;
    m->utifemcr = utifemcr;
  }

  ScratchDir dir;
  std::unique_ptr<Model> m = new_model();
  TestIo t;
};

TEST_F(TraitFiles, CrossbredSystemReadsAllCountsAndFourRows) {
  write_file("INPUT27.TXT", kInput27);
  crossbred(2, 1, 3);
  m->PM[0][0] = 7.0;  // the matrix is cleared before the rows are read
  EXPECT_EQ(read("INPUT27.TXT", read_input27), "\nEND");
  EXPECT_EQ(m->acsd, 3);
  EXPECT_EQ(m->acdd, 4);
  EXPECT_EQ(m->acsb, 2);
  EXPECT_EQ(m->acdc, 2);
  EXPECT_EQ(m->n_sac, 1);
  EXPECT_FLOAT_EQ(m->l_inv, 10.0f);
  EXPECT_EQ(m->PM[0][0], 0.0);
  // Classes: beef sires 1-2, dairy dams 3-6, dairy sires 7-9, cross-bred 10-11.
  EXPECT_EQ(m->PM[7][7], 0.1);
  EXPECT_EQ(m->PM[7][9], 0.15);
  EXPECT_EQ(m->PM[3][8], 0.2);
  EXPECT_EQ(m->PM[7][3], 0.1);
  EXPECT_EQ(m->PM[7][4], 0.2);
  EXPECT_EQ(m->PM[10][1], 0.3);
  EXPECT_EQ(m->PM[10][2], 0.2);
  double total = 0.0;
  for (const auto& row : m->PM)
    for (double x : row) total += x;
  EXPECT_NEAR(total, 2.0, 1e-12);  // four rows of 0.5, nothing else
  const std::string out = t.results();
  EXPECT_EQ(out.substr(0, 40), " Dairy sire classes    (n):  3  Dairy da");
  EXPECT_NE(out.find("\nSires to sires    (share): 0.1000 0.2500 0.1500"
                     "\nSires to dams    (share): 0.2000 0.2000 0.1000"
                     "\nDams to sires    (share): 0.1000 0.2000 0.1000 0.1000"
                     "\nBeef sires to crossbred    (share): 0.3000 0.2000\n\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.substr(out.size() - 2), "\n\n");
}

TEST_F(TraitFiles, PureBredSystemSkipsCrossbredCountsAndTheFourthRow) {
  write_file("INPUT27.TXT", kInput27);
  // Whatever follows the third row is not read.
  replace_in_file("INPUT27.TXT", "0.3 0.2 \"Beef", "0.9 \"Beef");
  m->gene_flow = 1;
  EXPECT_EQ(read("INPUT27.TXT", read_input27).substr(0, 5), "\n0.9 ");
  EXPECT_EQ(m->acsb, 0);
  EXPECT_EQ(m->acdc, 0);
  // Dams 1-4, sires 5-7: the first three rows move down by the two beef-sire classes.
  EXPECT_EQ(m->PM[5][7], 0.15);
  EXPECT_EQ(m->PM[1][5], 0.2);
  EXPECT_EQ(m->PM[5][2], 0.2);
  EXPECT_EQ(t.results().find("Beef sire classes"), std::string::npos);
  EXPECT_EQ(t.results().find("Crossbred dam classes"), std::string::npos);
}

TEST_F(TraitFiles, CrossbredDamsCountOnlyWhenTheyAreReared) {
  write_file("INPUT27.TXT", kInput27);
  crossbred(2, 1, 1);
  EXPECT_EQ(read("INPUT27.TXT", read_input27), "\nEND");
  EXPECT_EQ(m->acsb, 2);
  EXPECT_EQ(m->acdc, 0);
  EXPECT_EQ(t.results().find("Crossbred dam classes"), std::string::npos);
}

TEST_F(TraitFiles, RowSumIsTestedWithinTheTolerance) {
  write_file("INPUT27.TXT", kInput27);
  replace_in_file("INPUT27.TXT", "0.1 0.25 0.15 ", "0.1 0.25 0.150005 ");
  crossbred(2, 1, 3);
  EXPECT_EQ(read("INPUT27.TXT", read_input27), "\nEND");
  EXPECT_EQ(m->PM[7][9], 0.150005);
}

using TraitFilesDeathTest = TraitFiles;

TEST_F(TraitFilesDeathTest, RowNotSummingToOneHalfStopsWithItsPath) {
  struct Case {
    const char* from;
    const char* to;
    const char* path;
  };
  const Case cases[] = {
      {"0.1 0.25 0.15 ", "0.1 0.25 0.1501 ", "sires to sires do not sum to 0.5"},
      {"0.2 0.2 0.1 ", "0.2 0.2 0.0999 ", "sires to dams do not sum to 0.5"},
      {"0.1 0.2 0.1 0.1 ", "0.1 0.2 0.1 0.2 ", "dams to sires do not sum to 0.5"},
      {"0.3 0.2 ", "0.3 0.3 ", "beef sires to crossbred progeny do not sum to 0.5"},
  };
  for (const Case& c : cases) {
    write_file("INPUT27.TXT", kInput27);
    replace_in_file("INPUT27.TXT", c.from, c.to);
    crossbred(2, 1, 3);
    EXPECT_EXIT(
        {
          dup2(2, 1);
          read("INPUT27.TXT", read_input27);
        },
        ::testing::ExitedWithCode(0), std::string("The proportions of genes for the path\n") + c.path +
                                          ".\nCorrect the error in INPUT27.TXT")
        << c.path;
  }
}

TEST_F(TraitFilesDeathTest, AgeClassesOutsideTheGeneFlowMatrixStop) {
  struct Case {
    const char* from;
    const char* to;
    const char* message;
  };
  const Case cases[] = {
      {"3 \"Dairy sire", "21 \"Dairy sire", "the value 21 of acsd .* 0 to 20"},
      {"4 \"Dairy dam", "-1 \"Dairy dam", "the value -1 of acdd .* 0 to 20"},
      {"2 \"Beef sire", "21 \"Beef sire", "the value 21 of acsb .* 0 to 20"},
      {"2 \"Crossbred dam", "26 \"Crossbred dam", "the value 26 of acdc .* 0 to 25"},
      {"1 \"Selected", "0 \"Selected", "the value 0 of n_sac .* 1 to 3"},
      {"1 \"Selected", "4 \"Selected", "the value 4 of n_sac .* 1 to 3"},
  };
  for (const Case& c : cases) {
    write_file("INPUT27.TXT", kInput27);
    replace_in_file("INPUT27.TXT", c.from, c.to);
    crossbred(2, 1, 3);
    EXPECT_EXIT(
        {
          dup2(2, 1);
          read("INPUT27.TXT", read_input27);
        },
        ::testing::ExitedWithCode(0), std::string("INPUT27.TXT, ") + c.message)
        << c.to;
  }
  // The selected class lies in the block of the selection group.
  write_file("INPUT27.TXT", kInput27);
  replace_in_file("INPUT27.TXT", "1 \"Selected", "3 \"Selected");
  crossbred(1, 3, 3);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read("INPUT27.TXT", read_input27);
      },
      ::testing::ExitedWithCode(0), "the value 3 of n_sac .* 1 to 2");
}

TEST_F(TraitFiles, Input31AndTTxtChooseTheAlternativeTraits) {
  write_file("INPUT31.TXT",
             "/INPUT31 alternatives/\n32 \"Fat\" \"t\"\n34 \"Protein\" \"t\"\n11 \"Survival\" \"t\"\n"
             "/fertility/\n40 \"Heifers\" \"t\"\n13 \"Cows\" \"t\"\nEND");
  EXPECT_EQ(read("INPUT31.TXT", read_input31), "\nEND");
  EXPECT_EQ(m->flag[1], 32);
  EXPECT_EQ(m->flag[3], 11);
  EXPECT_EQ(m->flag[7], 40);
  EXPECT_EQ(m->flag[8], 13);
  EXPECT_EQ(t.results(), " Fat    (t):  32  Protein    (t):  34  Survival    (t):  11  Heifers    (t):  40  Cows    (t):  13 \n");

  // T.TXT: eight numbers without texts, echoed under three template labels.
  write_file("T.TXT", "/T traits of cross-bred dams/\n26 7 28\n29\n0 1 2 0\nEND");
  write_file("TEXTD_OUT.TXT", "\"\nFirst (6 or 26\"\n\"\nSecond (7 or 27\"\"\nThird (8 or 28\"\"Next block\"");
  t.io.textd = open_text("TEXTD_OUT.TXT");
  EXPECT_EQ(read("T.TXT", read_t), "\nEND");
  EXPECT_EQ(m->flag[4], 26);
  EXPECT_EQ(m->flag[5], 7);
  EXPECT_EQ(m->flag[6], 28);
  EXPECT_EQ(m->flag[3], 29);  // replaces the choice of INPUT31.TXT
  EXPECT_EQ(m->to3[43], 0);
  EXPECT_EQ(m->to3[44], 1);
  EXPECT_EQ(m->to3[47], 2);
  EXPECT_EQ(m->to3[45], 0);
  const std::string out = t.results();
  EXPECT_EQ(out.substr(out.find("Cows    (t):  13 \n") + 18),
            "\nFirst (6 or 26):  26 \n\nSecond (7 or 27):  7 \nThird (8 or 28):  28\n\n");
  outputrw(t.io.textd, t.io.out);
  EXPECT_EQ(t.results().substr(t.results().size() - 10), "Next block");
}

TEST_F(TraitFiles, WithoutTTxtItsTemplateBlocksArePassedOver) {
  write_file("TEXTD_OUT.TXT", "\"one\"\"two\"\"three\"\"four\"");
  t.io.textd = open_text("TEXTD_OUT.TXT");
  skip_t_blocks(*m, t.io);
  EXPECT_EQ(t.results(), "");
  outputrw(t.io.textd, t.io.out);
  EXPECT_EQ(t.results(), "four");
}

TEST_F(TraitFilesDeathTest, MarkOfTrait47FromTTxtMustBeAMark) {
  write_file("T.TXT", "/T/\n6 7 8 11 1 1 3 1\n");
  write_file("TEXTD_OUT.TXT", "\"a\"\"b\"\"c\"");
  t.io.textd = open_text("TEXTD_OUT.TXT");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read("T.TXT", read_t);
      },
      ::testing::ExitedWithCode(0), "T.TXT, the value 3 of the mark of trait 47 .* 1 to 2");
}

// The pure-bred dairy system most runs use: alternatives 32, 34, 29, 12, 13.
void pure_bred(Model& m) {
  m.cb = 0;
  m.utifemcr = 1;
  m.ewopt = 0;
  m.gene_flow = 1;
  m.mast_inc = 1;
  m.claw_inc = 1;
  const int flags[] = {0, 32, 34, 29, 0, 0, 0, 12, 13};
  for (int i = 0; i < 9; ++i) m.flag[i] = flags[i];
}

// The marks of the given traits as "trait:mark ...", for compact comparison.
std::string marks(const Model& m, std::initializer_list<int> traits) {
  std::string s;
  for (int trait : traits) s += std::to_string(trait) + ":" + std::to_string(m.to[trait]) + " ";
  return s;
}

TEST_F(TraitFiles, MarksOfAPureBredSystem) {
  pure_bred(*m);
  set_trait_marks(*m, t.io);
  EXPECT_EQ(marks(*m, {14, 15, 16, 17, 19, 20, 21, 22, 24, 25}), "14:0 15:0 16:0 17:0 19:0 20:0 21:0 22:0 24:0 25:0 ");
  EXPECT_EQ(marks(*m, {6, 7, 8, 26, 27, 28, 47}), "6:1 7:1 8:1 26:1 27:1 28:1 47:1 ");
  // Nothing fattened, no residual feed intake; rfi_cow = 0 drops trait 45
  // only when T.TXT marks it 0.
  EXPECT_EQ(marks(*m, {9, 42, 43, 44, 45, 37, 46}), "9:1 42:1 43:1 44:1 45:2 37:2 46:2 ");
  EXPECT_EQ(marks(*m, {32, 33, 11, 29, 12, 40, 13, 41}), "32:2 33:1 11:1 29:2 12:2 40:1 13:2 41:1 ");
  EXPECT_EQ(marks(*m, {38, 39, 4, 1}), "38:1 39:1 4:2 1:2 ");
  // Components: trait 1 (kind 2) both, trait 4 (kind 1) cows only, trait
  // 10 (kind 0) calves only, trait 33 (not evaluated) neither.
  EXPECT_EQ(m->delta_d[1] + 10 * m->delta_m[1], 11);
  EXPECT_EQ(m->delta_d[4] + 10 * m->delta_m[4], 10);
  EXPECT_EQ(m->delta_d[10] + 10 * m->delta_m[10], 1);
  EXPECT_EQ(m->delta_d[33] + 10 * m->delta_m[33], 0);
  EXPECT_EQ(m->delta_d[0] + m->delta_m[0], 0);
}

TEST_F(TraitFiles, FlagsKeepTheNamedTraitAndAnyOtherValueTheSecond) {
  for (int choice : {33, 0}) {
    auto fresh = new_model();
    pure_bred(*fresh);
    fresh->flag[1] = choice;
    fresh->flag[2] = 35;
    fresh->flag[3] = 11;
    fresh->flag[7] = 40;
    fresh->flag[8] = 7;
    set_trait_marks(*fresh, t.io);
    EXPECT_EQ(marks(*fresh, {32, 33, 34, 35, 11, 29, 12, 40, 13, 41}), "32:1 33:2 34:1 35:2 11:2 29:1 12:1 40:2 13:1 41:2 ")
        << choice;
  }
}

TEST_F(TraitFiles, ResidualFeedIntakeAndOptionalTraits) {
  pure_bred(*m);
  m->paf[0] = 1;
  m->rfi_fa = 1;
  m->rfi_calf = 1;
  m->mast_inc = 0;
  m->claw_inc = 0;
  m->ind_a30 = 1;
  m->to3[45] = 0;
  set_trait_marks(*m, t.io);
  // Trait 44 stays with fattening and its residual feed intake; 45 drops
  // with rfi_cow = 0 and the T.TXT mark 0.
  EXPECT_EQ(marks(*m, {9, 42, 44, 45, 37, 46, 39, 38}), "9:2 42:2 44:2 45:1 37:1 46:1 39:2 38:1 ");

  // Fattening without its residual feed intake: only the T.TXT mark 1 drops trait 44.
  auto other = new_model();
  pure_bred(*other);
  other->paf[0] = 1;
  other->to3[44] = 0;
  other->to3[43] = 0;
  set_trait_marks(*other, t.io);
  EXPECT_EQ(marks(*other, {43, 44}), "43:2 44:2 ");
}

TEST_F(TraitFiles, MarksWithCrossbredBreedingHeifers) {
  crossbred(2, 1, 3);
  const int flags[] = {0, 0, 0, 29, 26, 7, 5, 40, 41};  // 40 and 41 have no effect here
  for (int i = 0; i < 9; ++i) m->flag[i] = flags[i];
  m->to3[47] = 2;
  set_trait_marks(*m, t.io);
  EXPECT_EQ(marks(*m, {6, 26, 7, 27, 8, 28, 12, 13, 40, 41, 47}), "6:1 26:2 7:2 27:1 8:1 28:2 12:2 13:2 40:1 41:1 47:2 ");
  EXPECT_EQ(m->delta_m[4], 1);

  // Without reared cross-bred heifers the cross-bred dam traits drop out.
  auto other = new_model();
  other->cb = 1;
  other->ewopt = 2;
  other->gene_flow = 2;
  other->utifemcr = 1;
  other->to3[47] = 2;
  set_trait_marks(*other, t.io);
  EXPECT_EQ(marks(*other, {6, 7, 8, 26, 27, 28, 47}), "6:1 7:1 8:1 26:1 27:1 28:1 47:1 ");
}

TEST_F(TraitFiles, BeefSireSelectionWithoutCrossbredDams) {
  crossbred(1, 3, 1);
  m->flag[1] = 32;
  m->flag[2] = 34;
  m->claw_inc = 1;
  m->ind_RCT = 1;
  m->ind_a30 = 1;
  set_trait_marks(*m, t.io);
  EXPECT_EQ(marks(*m, {4, 31, 32, 34, 36, 37, 38, 39, 46}), "4:1 31:1 32:1 34:1 36:1 37:1 38:1 39:1 46:1 ");
  // Beef sires reach the cows only through cross-bred dams.
  for (int trait = 1; trait < 48; ++trait) EXPECT_EQ(m->delta_m[trait], 0) << trait;
  EXPECT_EQ(m->delta_d[1], 1);
  EXPECT_EQ(m->delta_d[30], 1);
}

// A deviation file for the marks of m: one item per listed trait, with the
// numbers the reader must take (none for traits not evaluated).
std::string deviation_file(const Model& m, bool both_components) {
  std::string text = "/Genetic standard deviations/\n";
  for (int trait = 1; trait < 48; ++trait) {
    if (m.to[trait] == 0) continue;
    const std::string n = std::to_string(trait);
    if (m.to[trait] == 2) {
      if (!both_components || m.tt[trait] != 1) text += n + ".25 ";
      if (both_components && m.tt[trait] == 1) text += n + ".5 ";
      if (both_components && m.tt[trait] == 2) text += n + ".5 ";
    }
    text += "\"Trait " + n + "\" \"unit\"\n";
  }
  return text + "END";
}

TEST_F(TraitFiles, DeviationsFollowTheMarksAndKinds) {
  pure_bred(*m);
  set_trait_marks(*m, t.io);
  write_file("INPUT32.TXT", deviation_file(*m, true));
  EXPECT_EQ(read("INPUT32.TXT", read_input32), "\nEND");
  EXPECT_FLOAT_EQ(m->gstd_d[1], 1.25f);  // kind 2: both
  EXPECT_FLOAT_EQ(m->gstd_m[1], 1.5f);
  EXPECT_FLOAT_EQ(m->gstd_d[4], 0.0f);  // kind 1: cows only
  EXPECT_FLOAT_EQ(m->gstd_m[4], 4.5f);
  EXPECT_FLOAT_EQ(m->gstd_d[10], 10.25f);  // kind 0: calves only
  EXPECT_FLOAT_EQ(m->gstd_m[10], 0.0f);
  EXPECT_FLOAT_EQ(m->gstd_d[33], 0.0f);  // not evaluated: skipped
  std::string out = t.results();
  EXPECT_EQ(out.substr(0, 63), "\nTrait 1    (unit):      1.2500       1.5000\nTrait 2    (unit):");
  EXPECT_NE(out.find("\nTrait 4    (unit):      4.5000\nTrait 5"), std::string::npos) << out;
  EXPECT_EQ(out.find("Trait 33"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 2), "\n\n");

  // INPUT33.TXT: one deviation per evaluated trait, whatever its kind.
  auto one = new_model();
  pure_bred(*one);
  set_trait_marks(*one, t.io);
  write_file("INPUT33.TXT", deviation_file(*one, false));
  std::swap(m, one);
  EXPECT_EQ(read("INPUT33.TXT", read_input33), "\nEND");
  EXPECT_FLOAT_EQ(m->gstd_d[1], 1.25f);
  EXPECT_FLOAT_EQ(m->gstd_m[1], 0.0f);
  EXPECT_FLOAT_EQ(m->gstd_d[4], 4.25f);
  EXPECT_FLOAT_EQ(m->gstd_m[4], 0.0f);
}

// The example directories read through INPUT27, INPUT31, the marks and the
// deviation file without a misplaced item.
TEST(TraitFilesExamples, ExamplesMatchTheirOptions) {
  for (const char* name : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    if (!example_exists(name)) continue;
    ScratchDir dir;
    copy_example(name);
    auto m = new_model();
    TestIo t;
    load_parad(*m, t.io);
    auto read_all = [&](const char* file, void (*reader)(Model&, Io&, TextIn&)) {
      TextIn in = open_text(file);
      reader(*m, t.io, in);
      const std::string left = rest(in);
      close_text(in);
      EXPECT_EQ(left.find_first_not_of(" \t\r\n"), std::string::npos) << name << " " << file << ": " << left;
    };
    read_all("INPUT27.TXT", read_input27);
    read_all("INPUT31.TXT", read_input31);
    if (m->cb == 1 && m->utifemcr == 3) {
      read_all("T.TXT", read_t);
    } else {
      skip_t_blocks(*m, t.io);
    }
    // Fattening as the options of the examples imply it.
    m->paf[0] = m->utifemp == 2 ? 1 : 0;
    m->paf[1] = m->cb == 1 && (m->utifemcr == 2 || m->utifemcr == 4) ? 1 : 0;
    set_trait_marks(*m, t.io);
    if (m->gstd == 2) read_all("INPUT32.TXT", read_input32);
    if (m->gstd == 3 && (m->cb == 0 || m->utifemcr != 3)) read_all("INPUT33.TXT", read_input33);
  }
}

}  // namespace
}  // namespace zelvan
