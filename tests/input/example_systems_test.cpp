// The bundled examples read as the program reads them: the files each system
// needs, in their order and numbered, every file read to its last item, and
// values that only the branches taken by each system's options set.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// The numbers of the files echoed, in order ("15 11 23 ..."); fails when the
// sections are not numbered 2.1, 2.2, ... in that order.
std::string files_read(const std::string& echo) {
  std::string numbers;
  int section = 0;
  for (size_t p = echo.find(" Data from file INPUT"); p != std::string::npos;
       p = echo.find(" Data from file INPUT", p + 1)) {
    const std::string label = "2." + std::to_string(++section);
    EXPECT_EQ(echo.substr(p - label.size(), label.size()), label);
    if (!numbers.empty()) numbers += ' ';
    numbers += echo.substr(p + 21, 2);
  }
  return numbers;
}

// Reads the example, checks which files were read and that each of them
// (read once more into a copy of the model) holds nothing behind its last item.
std::unique_ptr<Model> read_example(const char* name, TestIo& t, const char* expected_files) {
  copy_example(name);
  auto m = new_model();
  read_all_input(*m, t);
  const std::string echo = t.results();
  EXPECT_EQ(files_read(echo), expected_files);
  const std::pair<const char*, Reader> readers[] = {
      {"INPUT15.TXT", read_input15}, {"INPUT11.TXT", read_input11}, {"INPUT23.TXT", read_input23},
      {"INPUT22.TXT", read_input22}, {"INPUT21.TXT", read_input21}, {"INPUT12.TXT", read_input12},
      {"INPUT07.TXT", read_input07}, {"INPUT24.TXT", read_input24}, {"INPUT25.TXT", read_input25},
      {"INPUT27.TXT", read_input27}, {"INPUT28.TXT", read_input28}, {"INPUT29.TXT", read_input29},
      {"INPUT30.TXT", read_input30}, {"INPUT37.TXT", read_input37}, {"INPUT38.TXT", read_input38},
      {"INPUT31.TXT", read_input31}, {"INPUT32.TXT", read_input32}, {"INPUT33.TXT", read_input33}};
  auto copy = std::make_unique<Model>(*m);
  TestIo again;
  for (const auto& [file, reader] : readers) {
    if (contains(echo, std::string("Data from file ") + file)) {
      EXPECT_EQ(read_with(*copy, again.io, reader, file), "") << file;
    }
  }
  return m;
}

float sum(const float (&grid)[P1][P2][J], int j) {
  float s = 0.0f;
  for (const auto& row : grid)
    for (const auto& cell : row) s += cell[j];
  return s;
}

TEST(ExampleSystems, PureBredHolstein) {
  ScratchDir dir;
  TestIo t;
  auto m = read_example("holstein", t, "15 11 23 22 21 12 07 24 27 28 29 30 37 38 31 32");
  EXPECT_TRUE(contains(t.results(), "\n2.9 Data from file INPUT27.TXT\n------------------------------\n\n") &&
              contains(t.results(), "\n2.10 Data from file INPUT28.TXT\n-------------------------------\n"));
  // Fattening flags pbf, pff, paf of both breed indices; difficulty classes.
  EXPECT_EQ(values(m->pbf[0], m->pff[0], m->paf[0], m->pbf[1], m->pff[1], m->paf[1], m->DD), "1 1 1 0 0 0 4");
  // DD = 4: classes 5 and 6 are passed over, and so is the cross-bred block.
  EXPECT_GT(m->dysff[3][0][0], 0.0f);
  EXPECT_EQ(values(m->dysff[4][0][0], m->dysff[1][1][0], m->mcwb, m->praib, m->acsb, m->acdc), "0 0 0 0 0 0");
  EXPECT_GT(m->adg10, 0.0f);  // test bulls stay beyond weaning
  EXPECT_EQ(values(m->costd[25], m->costd[30]), "120 0");  // a dead cow is in the lost state of cycle 1
  EXPECT_EQ(m->Pcs[0][0][0] + m->Prcs[0][0], 0.0f);  // no castrates
  // Payment system 4: fat and protein classes, cell-count prices, no base price.
  EXPECT_EQ(values(m->prmilkb, m->facSCC[0]), "0 0");
  EXPECT_GT(m->prSCC[0] * m->nSCC * (m->nfat + 1), 0.0f);
  EXPECT_GT(m->ircmy[0] * m->dmi[0][0] * m->ircdy[0] * m->dcdi[0][0], 0.0f);  // health modules
  EXPECT_EQ(m->to[46], 2);
  EXPECT_GT(m->gstd_d[1] * m->gstd_m[1], 0.0f);  // two components from INPUT32.TXT
}

TEST(ExampleSystems, HolsteinBeefCross) {
  ScratchDir dir;
  TestIo t;
  auto m = read_example("holstein-beef-cross", t, "15 11 23 22 21 07 24 25 27 28 31 33");
  const int cc = m->CC;
  EXPECT_EQ(values(m->pbf[0], m->pff[0], m->paf[0], m->pbf[1], m->pff[1], m->paf[1], m->DD), "1 0 1 1 1 1 6");
  EXPECT_GT(m->exfc, 0.0f);  // cross-bred female calves partly sold
  for (int d = 1; d < 6; ++d) EXPECT_GT(m->dysmm[d][1][14], 0.0f) << d;
  EXPECT_GT(m->pcross[13] * m->ecrinc[7] * m->mcwb * m->praib * m->prairb, 0.0f);
  EXPECT_GT(m->wbfatb * m->whfatb * m->wcfatb, 0.0f);
  // Residual feed intake of every group; no cross-bred heifers enter the
  // herd; castrates and fattened heifers are cross-bred only.
  EXPECT_GT(m->rfifc1[1] * m->rfi[cc + 14] * m->rfi[22] * m->dryf[22], 0.0f);
  EXPECT_EQ(values(m->dryf[cc + 22], m->dryf[17], m->dryf[12]), "0 0 0");
  EXPECT_GT(m->dryf[cc + 17] * m->dryf[cc + 12], 0.0f);
  // Castrate carcass prices are read for the cross-bred castrates; their
  // pure-bred shares are not.
  EXPECT_EQ(sum(m->Pcs, 0), 0.0f);
  EXPECT_GT(m->Prcs[0][0] + m->Prcs[1][1], 0.0f);
  EXPECT_NEAR(sum(m->Pcs, 1), 100.0f, 0.01f);
  // Payment system 5 with both coagulation traits.
  EXPECT_GT(m->prmilkb * m->facSCC[0] * m->a30 * m->RCT, 0.0f);
  EXPECT_GE(m->na30 + m->nRCT, 0);
  EXPECT_EQ(values(m->acsb, m->acdc), "10 0");  // no cross-bred dams reared
  EXPECT_EQ(values(m->gstd_m[1], m->gstd_m[4]), "0 0");  // one deviation per trait from INPUT33.TXT
  EXPECT_GT(m->gstd_d[1], 0.0f);
}

TEST(ExampleSystems, BeefSireOnCrossbredDams) {
  ScratchDir dir;
  TestIo t;
  auto m = read_example("beef-sire", t, "15 11 23 22 21 07 24 25 27 28 31 32");
  const int cc = m->CC;
  EXPECT_EQ(values(m->pbf[0], m->pff[0], m->paf[0], m->pbf[1], m->pff[1], m->paf[1], m->DD), "1 0 1 1 0 1 3");
  EXPECT_EQ(values(m->cast[0], m->cast[1]), "1 0");
  EXPECT_EQ(m->adgwsf[0], m->adgwsm[0]);  // bulls stand in for the missing fattened heifers
  // Cross-bred heifers reared for breeding, with their residual feed
  // intake; that of bulls, too, but not of cows and calves.
  EXPECT_GT(m->age[cat(*m, 1, 23)] * m->dryf[cc + 22] * m->rfi[cc + 22] * m->rfi[cc + 14], 0.0f);
  EXPECT_EQ(values(m->rfi[30], m->rfifc1[0]), "0 0");
  EXPECT_GT(m->wbfatb * m->wcfat[0], 0.0f);
  EXPECT_EQ(values(m->whfatb, m->wcfatb, m->whfat[0]), "0 0 0");
  EXPECT_NEAR(sum(m->Ph, 1), 100.0f, 0.01f);
  EXPECT_EQ(sum(m->Pcs, 1), 0.0f);
  // T.TXT chooses the traits of the cross-bred dams and replaces flag 3.
  EXPECT_EQ(values(m->flag[4], m->flag[5], m->flag[3], m->to[47], m->to3[47], m->to[4]), "6 27 11 1 1 2");
  EXPECT_EQ(values(m->to[31], m->to[39], m->to[46]), "1 1 1");  // milk traits do not matter for beef sires
  int cow_components = 0;  // the dams pass the cow component on
  for (int x : m->delta_m) cow_components += x;
  EXPECT_GT(cow_components, 0);
  EXPECT_GT(m->acdc, 0);
  EXPECT_EQ(m->PM[m->acdd + m->acsb + m->acsd + 1][2], 0.1);  // beef sires to cross-bred progeny
  // Payment system 3: base price and content classes, one cell-count class.
  EXPECT_GT(m->prmilkb * m->RCT, 0.0f);
  EXPECT_EQ(values(m->nSCC, m->a30), "1 0");
}

// Files of groups that are not there are not read and take no section
// number: INPUT12.TXT without test bulls kept beyond weaning, INPUT25.TXT
// without cross-bred animals in fattening.
TEST(ExampleSystems, FilesOfMissingGroupsAreNotRead) {
  {
    ScratchDir dir;
    copy_example("holstein");
    set_numbers("INPUT15.TXT", "Age of bull calves at sale to the performance", "84.0");
    auto m = new_model();
    TestIo t;
    read_all_input(*m, t);
    EXPECT_EQ(files_read(t.results()), "15 11 23 22 21 07 24 27 28 29 30 37 38 31 32");
    EXPECT_EQ(m->adg10, 0.0f);
  }
  ScratchDir dir;
  copy_example("beef-sire");
  set_numbers("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as calves", "0.55 1.0");
  auto m = new_model();
  TestIo t;
  read_all_input(*m, t);
  EXPECT_EQ(files_read(t.results()), "15 11 23 22 21 07 24 27 28 31 32");
  EXPECT_EQ(values(m->cb, m->paf[1]), "1 0");
}

// Input that other programs or older versions write runs as the model
// defines it: options outside their listed values only warn, a first
// difficult class above DD leaves no difficult calving, and DD = 1 still
// reads class 1 of calving difficulty.
TEST(ExampleSystems, UnlistedValuesRunToTheEnd) {
  const struct {
    const char* name;
    std::vector<std::array<const char*, 3>> edits;  // file, first text of the item, numbers
    const char* warning;
  } cases[] = {
      {"holstein",
       {{"PARAD.TXT", "Housing of young stock", "3"},
        {"PARAD.TXT", "Maturity type of pure-bred", "0"},
        {"PARAD.TXT", "Milk quota situation", "0"},
        {"INPUT11.TXT", "Number of calving difficulty classes", "1"},
        {"INPUT11.TXT", "First calving difficulty class", "3"}},
       "the value 0 of milkquota is none of the listed values (1 to 3)"},
      {"holstein-beef-cross",
       {{"PARAD.TXT", "Milk payment system", "6"},
        {"PARAD.TXT", "Selection group for the gene flow", "0"},
        {"INPUT11.TXT", "First calving difficulty class", "7"}},
       "the value 6 of milkprice"},
      {"beef-sire",
       {{"PARAD.TXT", "Genetic standard deviations", "0"},
        {"PARAD.TXT", "Maturity type of cross-bred", "4"},
        {"INPUT11.TXT", "First calving difficulty class", "4"}},
       "the value 4 of matcross"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    copy_example(c.name);
    for (const auto& e : c.edits) set_numbers(e[0], e[1], e[2]);
    const ProgramRun run = run_program_here();
    EXPECT_EQ(run.status, 0) << c.name;
    EXPECT_TRUE(contains(run.err, c.warning)) << c.name;
    EXPECT_TRUE(contains(run.out, "Thank you for using program ZELVAN.")) << c.name << run.out;
    EXPECT_FALSE(contains(read_file("RESULTS.TXT"), "Warning")) << c.name;
  }
}

}  // namespace
}  // namespace zelvan
