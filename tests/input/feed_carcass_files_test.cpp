// Feeding, carcass and price data: INPUT23, INPUT21, INPUT12, INPUT24, INPUT25.
// The fattening flags normally come from INPUT15.TXT; here they are set on
// the model directly so that each reader is tested on its own.
#include <gtest/gtest.h>

#include <sstream>
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

// A cross-bred system of the same herd size.
void crossbred_options(Model& m, int utifemcr) {
  holstein_options(m);
  m.cb = 1;
  m.utifemcr = utifemcr;
}

class FeedCarcassFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_example("holstein");
    holstein_options(*m);
  }
  // Reads the file, expects it consumed, and returns the echo of this read.
  std::string read(const char* file, Reader reader) {
    const size_t before = t.results().size();
    EXPECT_EQ(read_with(*m, t.io, reader, file), "") << file;
    return t.results().substr(before);
  }

  ScratchDir dir;  // first: the working directory of everything below
  std::unique_ptr<Model> m = new_model();
  TestIo t;
};

using FeedCarcassFilesDeathTest = FeedCarcassFiles;

TEST_F(FeedCarcassFiles, Input23ItemsFollowTheFatteningFlags) {
  // The line end between a number and its texts belongs to the echo.
  write_file("INPUT23.TXT",
             "/carcass data/\n0.5\n\"heifers culled\" \"factor\"\n0.25 \"bulls culled\" \"factor\"\n"
             "0.75 \"castrates culled\" \"factor\"\n1 \"a\" \"b\" 2 \"c\" \"d\" 3 \"e\" \"f\"\n"
             "3.5 \"heifer price\" \"MU\"\n4.5 \"bull price\" \"MU\"\n5.5 \"castrate price\" \"MU\"\n"
             "6\n\"rows\" \"count\"\n4 \"columns\" \"count\"\n"
             "700 \"x bulls\" \"kg\" 550 \"x heifers\" \"kg\" 650 \"x castrates\" \"kg\"\n"
             "500 \"heifers\" \"kg\" 680 \"bulls\" \"kg\" 620 \"castrates\" \"kg\"\n");
  EXPECT_EQ(read("INPUT23.TXT", read_input23),
            "\nheifers culled    (factor):      0.5000  bulls culled    (factor):      0.2500  a    (b):      1.0000 "
            " c    (d):      2.0000  heifer price    (MU):      3.5000  bull price    (MU):      4.5000 "
            "\nrows    (count):  6  columns    (count):  4  heifers    (kg):    500.0000  bulls    (kg):    680.0000 \n\n");
  EXPECT_EQ(values(m->kpr[12], m->kpr[14], m->kdresh, m->kdresb, m->prh, m->prb, m->p1, m->p2, m->whfat[0], m->wbfat[0]),
            "0.5 0.25 1 2 3.5 4.5 6 4 500 680");
  // No castrates and no cross-bred animals: their items are passed over.
  EXPECT_EQ(values(m->kpr[17], m->kdresc, m->prcs, m->wbfatb, m->whfatb, m->wcfatb, m->wcfat[0]), "0 0 0 0 0 0 0");

  // Only heifers fattened: no bull items either, the heifer price always.
  m = new_model();
  holstein_options(*m);
  m->pbf[0] = 0;
  EXPECT_FALSE(contains(read("INPUT23.TXT", read_input23), "bull"));
  EXPECT_EQ(values(m->kpr[14], m->prb, m->wbfat[0], m->prh), "0 0 0 3.5");

  // Only cross-bred animals fattened: the sums of the flags open the
  // pure-bred items, the flags of breed index 1 the cross-bred weights.
  m = new_model();
  crossbred_options(*m, 2);
  m->pbf[0] = m->pff[0] = 0;
  m->pbf[1] = m->cast[1] = 1;
  read("INPUT23.TXT", read_input23);
  EXPECT_EQ(values(m->kpr[12], m->kpr[17], m->wbfatb, m->whfatb, m->wcfatb, m->wcfat[0], m->wbfat[0]), "0 0.75 700 0 650 620 680");
  m->pff[1] = 1;
  EXPECT_TRUE(contains(read("INPUT23.TXT", read_input23), " x heifers    (kg):    550.0000 "));
}

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

TEST_F(FeedCarcassFiles, Input21And12PureBredEchoAndResidualFeedIntakeOptions) {
  set_numbers("INPUT21.TXT", "Dry matter content of the ration of fattened bulls", "0.45");
  set_numbers("INPUT21.TXT", "Price of a pregnant heifer", "1700");
  std::string echo = read("INPUT21.TXT", read_input21);
  EXPECT_TRUE(echo.starts_with("\nDry matter content of calf feed, first calf period (milk replacer and starter)"
                               "    (kg dry matter per kg feed):      0.2000\n"));
  // A flagged pair of an existing pure-bred category shows "-" for the cross-bred value.
  EXPECT_TRUE(contains(echo, "\nDry matter content of the ration of fattened bulls (maize silage based)"
                             "    (kg dry matter per kg feed):      0.4500         -\n"));
  EXPECT_TRUE(echo.ends_with("\nPrice of a pregnant heifer    (MU per head):   1700.0000\n\n"));
  // Residual feed intake is not modelled and there are no castrates.
  EXPECT_FALSE(contains(echo, "Residual") || contains(echo, "castrate"));
  EXPECT_EQ(values(m->dryf[14], m->dryf[17], m->pranim[24]), "0.45 0 1700");  // castrates: read and cleared
  EXPECT_GT(m->dryf[22] * m->fix[12] * m->costdcf[0], 0.0f);
  for (int k = 1; k <= 24; ++k) EXPECT_EQ(m->dryf[m->CC + k] + m->pranim[m->CC + k], 0.0f) << k;

  // Each residual-feed-intake option opens its own items only, in INPUT21.TXT
  // and in INPUT12.TXT (test bulls kept after weaning).
  for (const char* item : {"Residual dry matter intake of female calves, first", "Residual dry matter intake of male calves, second",
                           "Residual dry matter intake of replacement", "Residual dry matter intake of fattened bulls",
                           "Residual dry matter intake of castrates"})
    set_numbers("INPUT21.TXT", item, "0.5");
  set_numbers("INPUT12.TXT", "Residual dry matter intake of test bull", "0.25");
  for (int option = 0; option < 3; ++option) {
    m = new_model();
    holstein_options(*m);
    m->rfi_calf = option == 0;
    m->rfi_h = option == 1;
    m->rfi_fa = option == 2;
    echo = read("INPUT21.TXT", read_input21);
    const char* const expected[] = {"0.5 0.5 0 0 0", "0 0 0.5 0 0", "0 0 0 0.5 0"};  // no castrates
    EXPECT_EQ(values(m->rfifc1[0], m->rfimc2[0], m->rfi[22], m->rfi[14], m->rfi[17]), expected[option]);
    EXPECT_EQ(contains(echo, "\nResidual dry matter intake of replacement heifers (not modelled)"
                             "    (kg dry matter per day):      0.5000\n"),
              option == 1);
    echo = read("INPUT12.TXT", read_input12);
    EXPECT_TRUE(echo.starts_with("\nAverage daily gain of test bull calves after weaning    (kg per day):      1.0000 "));
    EXPECT_EQ(contains(echo, "(not modelled)    (kg dry matter per day):      0.2500 "), option == 2);
    EXPECT_EQ(values(m->rfi10, m->prf10), option == 2 ? "0.25 0.12" : "0 0.12");
  }
}

TEST_F(FeedCarcassFilesDeathTest, Input21AnimalsAreSoldPerKgOrPerHead) {
  // Neither price is accepted (female calves are sold neither way).
  set_numbers("INPUT21.TXT", "Price of female calves sold, per kg", "0");
  set_numbers("INPUT21.TXT", "Price of a female calf sold", "0");
  set_numbers("INPUT21.TXT", "Price of male calves sold, per kg", "2.2");
  read("INPUT21.TXT", read_input21);
  EXPECT_EQ(m->pr[8] + m->pranim[8], 0.0f);
  const auto read21 = [this] { read_with(*m, t.io, read_input21, "INPUT21.TXT"); };
  set_numbers("INPUT21.TXT", "Price of a male calf sold, per head", "5.0");
  expect_stop(read21, "You cannot sell the animals of\ncategory 9 per kg live weight and in the same time per head\\.\n"
                      "Correct the error in INPUT21\\.TXT");
  // In a cross-bred system the category number is that of breed index 1.
  copy_example("holstein-beef-cross");
  TestIo parad;
  load_parad(*m, parad.io);
  set_numbers("INPUT21.TXT", "Price of male calves sold, per head", "0 7");
  expect_stop(read21, "category 121 per kg live weight");
}

// Grids of p1 = 2 rows and p2 = 3 columns; grid g holds 10g + 1 .. 10g + 6.
std::string small_grids(int grids) {
  std::string text = "/two by three/\n";
  for (int g = 1; g <= grids; ++g) {
    for (int v = 1; v <= 6; ++v) text += std::to_string(10 * g + v) + (v % 3 == 0 ? "\n" : " ");
    text += "\"grid " + std::to_string(g) + "\" \"u\"\n";
  }
  return text;
}

// The last cell of every grid: pure-bred shares, class prices, cross-bred shares.
std::string last_cells(const Model& m) {
  const float cells[] = {m.Pb[1][2][0], m.Ph[1][2][0], m.Pcs[1][2][0], m.Pc[1][2][0], m.Prb[1][2], m.Prh[1][2],
                         m.Prcs[1][2],  m.Prc[1][2],   m.Pb[1][2][1],  m.Ph[1][2][1], m.Pcs[1][2][1]};
  std::string s;
  for (float x : cells) s += std::to_string(static_cast<int>(x)) + " ";
  return s;
}

TEST_F(FeedCarcassFiles, CarcassGridsOfTheCategoriesThatExist) {
  const struct {
    Reader reader;
    int utifemcr, pbf0, pbf1, cast0, cast1, pff1;
    const char* cells;  // grid g read into its matrix: 10g + 6, else 0
  } cases[] = {
      {read_input24, 1, 1, 0, 1, 0, 0, "16 26 36 46 56 66 76 86 0 0 0 "},
      {read_input24, 1, 1, 0, 0, 0, 0, "16 26 0 46 56 66 0 86 0 0 0 "},
      {read_input24, 1, 0, 0, 0, 0, 0, "0 26 0 46 0 66 0 86 0 0 0 "},
      // Cross-bred bulls and castrates only: class prices without pure-bred shares.
      {read_input24, 1, 0, 1, 0, 1, 0, "0 26 0 46 56 66 76 86 0 0 0 "},
      {read_input25, 2, 0, 1, 0, 0, 0, "0 0 0 0 0 0 0 0 16 0 0 "},
      // Cross-bred heifers reared for breeding have carcasses, too.
      {read_input25, 3, 0, 0, 0, 0, 0, "0 0 0 0 0 0 0 0 0 26 0 "},
      {read_input25, 2, 0, 0, 0, 1, 1, "0 0 0 0 0 0 0 0 0 26 36 "},
  };
  for (const auto& c : cases) {
    m = new_model();
    crossbred_options(*m, c.utifemcr);
    m->pbf[0] = c.pbf0;
    m->pbf[1] = c.pbf1;
    m->cast[0] = c.cast0;
    m->cast[1] = c.cast1;
    m->pff[1] = c.pff1;
    m->p1 = 2;
    m->p2 = 3;
    const bool pure_bred = c.reader == read_input24;
    write_file("INPUT24.TXT", small_grids(pure_bred ? 8 : 3));
    const std::string echo = read("INPUT24.TXT", c.reader);
    EXPECT_EQ(last_cells(*m), c.cells);
    std::string echoed, read_cells;  // the last cells of the grids echoed and of those read
    for (int g = 1; g <= 8; ++g) {
      if (contains(echo, std::string("\ngrid ") + std::to_string(g) + "    (u):\n")) echoed += std::to_string(10 * g + 6) + " ";
    }
    std::istringstream cells(c.cells);
    for (std::string cell; cells >> cell;) read_cells += cell == "0" ? "" : cell + " ";
    EXPECT_EQ(echoed, read_cells);
  }
  // Matrices are read and echoed row by row.
  EXPECT_TRUE(contains(t.results(), "\ngrid 1    (u):\n   11.000   12.000   13.000\n   14.000   15.000   16.000\n\n\n"));
  EXPECT_EQ(m->Ph[0][1][1], 22.0f);
}

}  // namespace
}  // namespace zelvan
