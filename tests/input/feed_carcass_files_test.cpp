// Feeding, carcass and price data: INPUT23, INPUT21, INPUT12, INPUT24, INPUT25.
// The fattening flags normally come from INPUT15.TXT; here they are set on
// the model directly so that each reader is tested on its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

using Reader = void (*)(Model&, Io&, TextIn&);

// Options and flags of the bundled pure-bred Holstein herd: ten cycles,
// surplus heifers and bulls fattened, no castrates, no residual feed intake
// outside the cows.
void holstein_options(Model& m) {
  m.cb = 0;
  m.LL = 10;
  m.TT = 58;
  m.CC = 82;
  m.CT = 106;
  m.utifemp = 2;
  m.utifemcr = 1;
  m.pbf[0] = 1;
  m.pff[0] = 1;
  m.paf[0] = 1;
  m.rfi_cow = 1;
}

// A cross-bred system with the same herd size (CC = 82).
void crossbred_options(Model& m, int utifemcr) {
  holstein_options(m);
  m.cb = 1;
  m.utifemcr = utifemcr;
}

// Replaces the number (the last one when there are several) in front of the
// item whose first text begins with `text`, whatever the layout between them.
void set_value(const std::string& path, const std::string& text, const std::string& value) {
  std::string s = read_file(path);
  const size_t quote = s.find("\"" + text);
  ASSERT_NE(quote, std::string::npos) << text << " in " << path;
  size_t end = quote;
  while (end > 0 && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  size_t begin = end;
  while (begin > 0 && !std::isspace(static_cast<unsigned char>(s[begin - 1]))) --begin;
  s.replace(begin, end - begin, value);
  write_file(path, s);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
  return n;
}

// The beginning and the end of an echo, as long as the expected text.
std::string head(const std::string& text, const std::string& expected) { return text.substr(0, expected.size()); }
std::string tail(const std::string& text, const std::string& expected) {
  return text.size() < expected.size() ? text : text.substr(text.size() - expected.size());
}

class FeedCarcassFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_example("holstein");
    holstein_options(*m);
  }

  // Takes the options of another bundled example from its PARAD.TXT.
  void use_example(const std::string& name) {
    copy_example(name);
    TestIo parad;  // with the template of this example
    load_parad(*m, parad.io);
  }

  // Reads one file with its reader and returns the echo written so far;
  // `leftover` receives whatever the reader left unread, blanks aside.
  std::string read(const char* file, Reader reader) {
    TextIn in = open_text(file);
    reader(*m, tio.io, in);
    leftover.clear();
    for (int c = std::fgetc(in.fp); c != EOF; c = std::fgetc(in.fp))
      if (!std::isspace(c)) leftover.push_back(static_cast<char>(c));
    close_text(in);
    return tio.results();
  }

  ScratchDir dir;  // first: the working directory of everything below
  std::unique_ptr<Model> m = new_model();
  TestIo tio;
  std::string leftover;
};

using FeedCarcassFilesDeathTest = FeedCarcassFiles;

// ---------------------------------------------------------------- INPUT23

TEST_F(FeedCarcassFiles, Input23EchoesScalarsFromRightAfterTheirNumbers) {
  // The line end between a number and its texts belongs to the echo.
  write_file("INPUT23.TXT",
             "/carcass data/\n"
             "0.5\n\"heifers culled\" \"factor\"\n"
             "0.25 \"bulls culled\" \"factor\"\n"
             "0.75 \"castrates culled\" \"factor\"\n"
             "1 \"a\" \"b\" 2 \"c\" \"d\" 3 \"e\" \"f\"\n"
             "3.5 \"heifer price\" \"MU\"\n"
             "4.5 \"bull price\" \"MU\"\n"
             "5.5 \"castrate price\" \"MU\"\n"
             "6\n\"rows\" \"count\"\n"
             "4 \"columns\" \"count\"\n"
             "700 \"x bulls\" \"kg\" 550 \"x heifers\" \"kg\" 650 \"x castrates\" \"kg\"\n"
             "500 \"heifers\" \"kg\" 680 \"bulls\" \"kg\" 620 \"castrates\" \"kg\"\n");
  const std::string echo = read("INPUT23.TXT", read_input23);
  EXPECT_EQ(echo,
            "\nheifers culled    (factor):      0.5000 "
            " bulls culled    (factor):      0.2500 "
            " a    (b):      1.0000 "
            " c    (d):      2.0000 "
            " heifer price    (MU):      3.5000 "
            " bull price    (MU):      4.5000 "
            "\nrows    (count):  6 "
            " columns    (count):  4 "
            " heifers    (kg):    500.0000 "
            " bulls    (kg):    680.0000 "
            "\n\n");
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->kpr[12], 0.5f);
  EXPECT_EQ(m->kpr[14], 0.25f);
  EXPECT_EQ(m->kdresh, 1.0f);
  EXPECT_EQ(m->kdresb, 2.0f);
  EXPECT_EQ(m->prh, 3.5f);
  EXPECT_EQ(m->prb, 4.5f);
  EXPECT_EQ(m->p1, 6);
  EXPECT_EQ(m->p2, 4);
  EXPECT_EQ(m->whfat[0], 500.0f);
  EXPECT_EQ(m->wbfat[0], 680.0f);
  // No castrates and no cross-bred animals: their items are passed over.
  EXPECT_EQ(m->kpr[17], 0.0f);
  EXPECT_EQ(m->kdresc, 0.0f);
  EXPECT_EQ(m->prcs, 0.0f);
  EXPECT_EQ(m->wbfatb, 0.0f);
  EXPECT_EQ(m->whfatb, 0.0f);
  EXPECT_EQ(m->wcfatb, 0.0f);
  EXPECT_EQ(m->wcfat[0], 0.0f);
}

TEST_F(FeedCarcassFiles, Input23ItemsFollowTheFatteningFlags) {
  set_value("INPUT23.TXT", "Price factor for castrates", "0.7");
  set_value("INPUT23.TXT", "Slaughter weight of cross-bred bulls", "720");
  set_value("INPUT23.TXT", "Slaughter weight of cross-bred heifers", "560");
  set_value("INPUT23.TXT", "Slaughter weight of cross-bred castrates", "650");
  set_value("INPUT23.TXT", "Slaughter weight of castrates", "620");

  // Only heifers fattened, and only pure-bred: no bull items either.
  m->pbf[0] = 0;
  std::string echo = read("INPUT23.TXT", read_input23);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->kpr[14], 0.0f);
  EXPECT_EQ(m->prb, 0.0f);
  EXPECT_EQ(m->wbfat[0], 0.0f);
  EXPECT_GT(m->prh, 0.0f);  // always read
  EXPECT_FALSE(contains(echo, "bulls"));

  // Only cross-bred animals fattened: the sums of the flags open the
  // pure-bred items, the flags of j = 1 the cross-bred slaughter weights.
  crossbred_options(*m, 2);
  m->pbf[0] = m->pff[0] = 0;
  m->pbf[1] = m->pff[1] = m->cast[1] = 1;
  echo = read("INPUT23.TXT", read_input23);
  EXPECT_EQ(leftover, "");
  EXPECT_FLOAT_EQ(m->kpr[17], 0.7f);
  EXPECT_GT(m->kpr[12], 0.0f);
  EXPECT_GT(m->wbfat[0], 0.0f);
  EXPECT_EQ(m->wbfatb, 720.0f);
  EXPECT_EQ(m->whfatb, 560.0f);
  EXPECT_EQ(m->wcfatb, 650.0f);
  EXPECT_EQ(m->wcfat[0], 620.0f);
  EXPECT_TRUE(contains(echo, "Slaughter weight of cross-bred castrates (no cross-breeding)    (kg live weight):    650.0000 "));

  // Castrates of neither breed index: all castrate items are skipped.
  m->cast[1] = 0;
  m->wcfatb = m->wcfat[0] = 0.0f;
  read("INPUT23.TXT", read_input23);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->wcfatb, 0.0f);
  EXPECT_EQ(m->wcfat[0], 0.0f);
}

TEST_F(FeedCarcassFilesDeathTest, Input23StopsOnCarcassGridsThatDoNotFit) {
  set_value("INPUT23.TXT", "Number of conformation", "22");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read("INPUT23.TXT", read_input23);
      },
      ::testing::ExitedWithCode(0), "INPUT23\\.TXT.*value 22 of p1.*1 to 21");

  // p1 is tested before p2 is read: the word in place of p2 is not reached.
  set_value("INPUT23.TXT", "Number of conformation", "0");
  set_value("INPUT23.TXT", "Number of fat", "five");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read("INPUT23.TXT", read_input23);
      },
      ::testing::ExitedWithCode(0), "INPUT23\\.TXT.*value 0 of p1.*1 to 21");

  set_value("INPUT23.TXT", "Number of conformation", "21");
  set_value("INPUT23.TXT", "Number of fat", "-3");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read("INPUT23.TXT", read_input23);
      },
      ::testing::ExitedWithCode(0), "INPUT23\\.TXT.*value -3 of p2.*1 to 21");
}

// ---------------------------------------------------------------- INPUT21

// Item numbers of INPUT21.TXT (1-based, in file order).
constexpr int kSalePrices = 60;  // pr and pranim of categories 8, 9, 10, 23, 24
constexpr int kInput21Items = 69;

// A cross-bred INPUT21.TXT: item i holds the numbers i + 0.25 (pure-bred)
// and i + 0.5 (cross-bred) and the texts "item i" and "u", unless `numbers`
// gives its own. The prices per head are 0, so every category is sold per kg.
std::string crossbred_input21(std::map<int, std::string> numbers = {}) {
  for (int i = kSalePrices + 1; i <= kInput21Items; i += 2) numbers.emplace(i, "0 0");
  std::string text = "/cross-bred rations/\n";
  for (int i = 1; i <= kInput21Items; ++i) {
    const auto own = numbers.find(i);
    const std::string values =
        own != numbers.end() ? own->second : std::to_string(i) + ".25 " + std::to_string(i) + ".5";
    text += values + " \"item " + std::to_string(i) + "\" \"u\"\n";
  }
  return text;
}

TEST_F(FeedCarcassFiles, Input21PureBredEchoAndCategoryBlocks) {
  const std::string file = "INPUT21.TXT";
  set_value(file, "Dry matter content of calf feed, first", "0.2");
  set_value(file, "Dry matter content of calf feed, second", "0.6");
  set_value(file, "Fixed costs of replacement heifers", "0.8");
  set_value(file, "Dry matter content of the ration of fattened bulls", "0.45");
  set_value(file, "Dry matter content of the ration of castrates", "0.4");
  set_value(file, "Fixed costs of fattened heifers", "0.65");
  set_value(file, "Disposal cost of a dead calf", "20");
  set_value(file, "Price of a pregnant heifer", "1700");
  const std::string echo = read(file.c_str(), read_input21);
  EXPECT_EQ(leftover, "");

  const std::string first =
      "\nDry matter content of calf feed, first calf period (milk replacer and starter)"
      "    (kg dry matter per kg feed):      0.2000\n";
  EXPECT_EQ(head(echo, first), first);
  // A flagged pair of an existing pure-bred category shows "-" for the cross-bred value.
  EXPECT_TRUE(contains(echo, "\nDry matter content of the ration of fattened bulls (maize silage based)"
                             "    (kg dry matter per kg feed):      0.4500         -\n"));
  const std::string last = "\nPrice of a pregnant heifer    (MU per head):   1700.0000\n\n";
  EXPECT_EQ(tail(echo, last), last);
  // Residual feed intake is not modelled and there are no castrates.
  EXPECT_FALSE(contains(echo, "Residual"));
  EXPECT_FALSE(contains(echo, "castrate"));

  EXPECT_FLOAT_EQ(m->dryfwf[0], 0.2f);
  EXPECT_FLOAT_EQ(m->dryfwf2[0], 0.6f);
  EXPECT_FLOAT_EQ(m->fix[22], 0.8f);
  EXPECT_FLOAT_EQ(m->dryf[14], 0.45f);
  EXPECT_FLOAT_EQ(m->fix[12], 0.65f);
  EXPECT_FLOAT_EQ(m->costdcf[0], 20.0f);
  EXPECT_FLOAT_EQ(m->pranim[24], 1700.0f);
  // Castrates: the pure-bred value is read and cleared.
  EXPECT_EQ(m->dryf[17], 0.0f);
  // Nothing of breed index 1 is touched in a pure-bred system.
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(m->dryf[m->CC + k], 0.0f) << k;
    EXPECT_EQ(m->pranim[m->CC + k], 0.0f) << k;
  }
}

TEST_F(FeedCarcassFiles, Input21ResidualFeedIntakeFollowsItsOptions) {
  const std::string file = "INPUT21.TXT";
  set_value(file, "Residual dry matter intake of female calves, first", "0.11");
  set_value(file, "Residual dry matter intake of male calves, second", "0.22");
  set_value(file, "Residual dry matter intake of replacement", "0.33");
  set_value(file, "Residual dry matter intake of fattened bulls", "0.44");
  set_value(file, "Residual dry matter intake of castrates", "0.55");
  set_value(file, "Residual dry matter intake of fattened heifers", "0.66");
  set_value(file, "Drinking water of fattened heifers", "0.03");

  // Each option opens its own items only.
  m->rfi_calf = 1;
  std::string echo = read(file.c_str(), read_input21);
  EXPECT_EQ(leftover, "");
  EXPECT_FLOAT_EQ(m->rfifc1[0], 0.11f);
  EXPECT_FLOAT_EQ(m->rfimc2[0], 0.22f);
  EXPECT_EQ(m->rfi[22], 0.0f);
  EXPECT_EQ(m->rfi[14], 0.0f);
  EXPECT_FALSE(contains(echo, "Residual dry matter intake of replacement"));

  m->rfi_calf = 0;
  m->rfi_h = 1;
  m->rfi_fa = 1;
  const size_t before = echo.size();
  echo = read(file.c_str(), read_input21).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_FALSE(contains(echo, "calves, first calf period (not modelled)"));
  EXPECT_FLOAT_EQ(m->rfi[22], 0.33f);
  EXPECT_FLOAT_EQ(m->rfi[14], 0.44f);
  EXPECT_EQ(m->rfi[17], 0.0f);  // no castrates: read and cleared
  EXPECT_FLOAT_EQ(m->rfi[12], 0.66f);
  EXPECT_FLOAT_EQ(m->wat[12], 0.03f);
  EXPECT_TRUE(contains(echo, "\nResidual dry matter intake of replacement heifers (not modelled)"
                             "    (kg dry matter per day):      0.3300\n"));
  EXPECT_FALSE(contains(echo, "Residual dry matter intake of castrates"));
}

TEST_F(FeedCarcassFiles, Input21CrossBredPairsAndFlags) {
  // Bulls fattened only cross-bred, castrates only pure-bred, heifers both.
  crossbred_options(*m, 2);
  m->pbf[0] = 0;
  m->pbf[1] = 1;
  m->cast[0] = 1;
  m->pff[1] = 1;
  write_file("INPUT21.TXT", crossbred_input21());
  const std::string echo = read("INPUT21.TXT", read_input21);
  EXPECT_EQ(leftover, "");
  const int cc = m->CC;

  const std::string first = "\nitem 1    (u):      1.2500       1.5000\n";
  EXPECT_EQ(head(echo, first), first);
  EXPECT_EQ(m->dryfwf[1], 1.5f);
  EXPECT_EQ(m->rfifc1[0], 0.0f);  // items 5, 6, 11, 12 are passed over
  EXPECT_EQ(m->dryfwf2[0], 7.25f);
  EXPECT_EQ(m->fixwf[1], 17.5f);

  // Heifers entering the herd: the cross-bred values are read and cleared
  // because cross-bred heifers are not reared for breeding.
  EXPECT_EQ(m->dryf[22], 18.25f);
  EXPECT_EQ(m->dryf[cc + 22], 0.0f);
  EXPECT_TRUE(contains(echo, "\nitem 18    (u):     18.2500       0.0000\n"));
  EXPECT_EQ(m->wat[22], 23.25f);  // residual feed intake (item 22) skipped
  EXPECT_EQ(m->fix[cc + 22], 0.0f);

  // Bulls only cross-bred: the pure-bred column is read and cleared.
  EXPECT_EQ(m->dryf[14], 0.0f);
  EXPECT_EQ(m->dryf[cc + 14], 28.5f);
  EXPECT_TRUE(contains(echo, "\nitem 28    (u):        -         28.5000\n"));
  EXPECT_EQ(m->wat[cc + 14], 33.5f);

  // Castrates only pure-bred: the cross-bred value is not read.
  EXPECT_EQ(m->dryf[17], 38.25f);
  EXPECT_EQ(m->dryf[cc + 17], 0.0f);
  EXPECT_TRUE(contains(echo, "\nitem 38    (u):     38.2500         -\n"));

  // Heifers fattened in both breed indices.
  EXPECT_EQ(m->dryf[12], 48.25f);
  EXPECT_EQ(m->dryf[cc + 12], 48.5f);
  EXPECT_EQ(m->fix[cc + 12], 57.5f);
  EXPECT_TRUE(contains(echo, "\nitem 48    (u):     48.2500      48.5000\n"));

  EXPECT_EQ(m->costdcf[1], 59.5f);
  EXPECT_EQ(m->pr[8], 60.25f);
  EXPECT_EQ(m->pr[cc + 8], 60.5f);
  EXPECT_EQ(m->pr[cc + 24], 68.5f);
  const std::string last = "\nitem 69    (u):      0.0000       0.0000\n\n";
  EXPECT_EQ(tail(echo, last), last);

  // Cross-bred heifers reared for breeding keep their values.
  crossbred_options(*m, 3);
  read("INPUT21.TXT", read_input21);
  EXPECT_EQ(m->dryf[cc + 22], 18.5f);
  EXPECT_EQ(m->fix[cc + 22], 27.5f);
}

TEST_F(FeedCarcassFilesDeathTest, Input21AnimalsAreSoldPerKgOrPerHead) {
  const std::string file = "INPUT21.TXT";
  // Both prices 0 is accepted (female calves sold neither way).
  set_value(file, "Price of female calves sold, per kg", "0");
  set_value(file, "Price of a female calf sold", "0");
  set_value(file, "Price of male calves sold, per kg", "2.2");
  set_value(file, "Price of a male calf sold, per head", "0");
  read(file.c_str(), read_input21);
  EXPECT_EQ(m->pr[8], 0.0f);
  EXPECT_EQ(m->pranim[8], 0.0f);

  set_value(file, "Price of a male calf sold, per head", "5.0");
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read(file.c_str(), read_input21);
      },
      ::testing::ExitedWithCode(0),
      "You cannot sell the animals of\ncategory 9 per kg live weight and in the same time per head\\.\n"
      "Correct the error in INPUT21\\.TXT");

  // In a cross-bred system the category number is that of breed index 1.
  crossbred_options(*m, 2);
  write_file(file, crossbred_input21({{kSalePrices + 3, "0 7"}}));
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read(file.c_str(), read_input21);
      },
      ::testing::ExitedWithCode(0), "category 91 per kg live weight");
}

// ---------------------------------------------------------------- INPUT12

TEST_F(FeedCarcassFiles, Input12TestBullsAfterWeaning) {
  const std::string file = "INPUT12.TXT";
  set_value(file, "Average daily gain of test bull", "1.0");
  set_value(file, "Dry matter content of the ration of test bull", "0.55");
  set_value(file, "Residual dry matter intake of test bull", "0.25");
  set_value(file, "Manure produced by test bull", "8");
  set_value(file, "Subsidy for keeping test bull", "0.2");
  std::string echo = read(file.c_str(), read_input12);
  EXPECT_EQ(leftover, "");
  EXPECT_TRUE(contains(echo, "Average daily gain of test bull calves after weaning    (kg per day):      1.0000 "));
  EXPECT_FALSE(contains(echo, "Residual"));
  EXPECT_EQ(tail(echo, "0.2000 \n\n"), "0.2000 \n\n");
  EXPECT_FLOAT_EQ(m->adg10, 1.0f);
  EXPECT_FLOAT_EQ(m->dryf10, 0.55f);
  EXPECT_EQ(m->rfi10, 0.0f);
  EXPECT_FLOAT_EQ(m->dung10, 8.0f);
  EXPECT_FLOAT_EQ(m->dottest, 0.2f);

  m->rfi_fa = 1;
  echo = read(file.c_str(), read_input12);
  EXPECT_EQ(leftover, "");
  EXPECT_FLOAT_EQ(m->rfi10, 0.25f);
  EXPECT_TRUE(contains(echo, "Residual dry matter intake of test bull calves (not modelled)    (kg dry matter per day):"
                             "      0.2500 "));
}

// ---------------------------------------------------------- INPUT24, 25

// Eight (or `matrices`) grids of p1 = 2 rows and p2 = 3 columns; grid g
// holds the values 10g + 1 .. 10g + 6.
std::string small_grids(int matrices) {
  std::string text = "/two by three/\n";
  for (int g = 1; g <= matrices; ++g) {
    for (int v = 1; v <= 6; ++v) text += std::to_string(10 * g + v) + (v % 3 == 0 ? "\n" : " ");
    text += "\"grid " + std::to_string(g) + "\" \"u\"\n";
  }
  return text;
}

TEST_F(FeedCarcassFiles, Input24ReadsRowsOfP2ValuesAndEchoesThem) {
  write_file("INPUT24.TXT", small_grids(8));
  m->p1 = 2;
  m->p2 = 3;
  m->cast[0] = 1;
  const std::string echo = read("INPUT24.TXT", read_input24);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Pb[0][2][0], 13.0f);
  EXPECT_EQ(m->Pb[1][0][0], 14.0f);
  EXPECT_EQ(m->Ph[1][2][0], 26.0f);
  EXPECT_EQ(m->Pcs[0][1][0], 32.0f);
  EXPECT_EQ(m->Pc[1][1][0], 45.0f);
  EXPECT_EQ(m->Prb[0][0], 51.0f);
  EXPECT_EQ(m->Prh[1][0], 64.0f);
  EXPECT_EQ(m->Prcs[1][2], 76.0f);
  EXPECT_EQ(m->Prc[1][1], 85.0f);
  EXPECT_EQ(m->Pb[2][0][0], 0.0f);  // outside the grid
  EXPECT_EQ(m->Pb[0][3][0], 0.0f);
  EXPECT_EQ(m->Pb[0][0][1], 0.0f);  // cross-bred shares untouched
  const std::string first =
      "\ngrid 1    (u):\n"
      "   11.000   12.000   13.000\n"
      "   14.000   15.000   16.000\n"
      "\ngrid 2    (u):\n";
  EXPECT_EQ(head(echo, first), first);
  const std::string last = "\ngrid 8    (u):\n   81.000   82.000   83.000\n   84.000   85.000   86.000\n\n\n";
  EXPECT_EQ(tail(echo, last), last);
}

TEST_F(FeedCarcassFiles, Input24SkipsTheGridsOfMissingCategories) {
  m->p1 = 2;
  m->p2 = 3;
  write_file("INPUT24.TXT", small_grids(8));

  // Pure-bred bulls but no castrates: grids 3 and 7 are consumed unseen.
  std::string echo = read("INPUT24.TXT", read_input24);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Pcs[0][0][0], 0.0f);
  EXPECT_EQ(m->Prcs[0][0], 0.0f);
  EXPECT_EQ(m->Prc[0][0], 81.0f);
  EXPECT_FALSE(contains(echo, "grid 3"));
  EXPECT_FALSE(contains(echo, "grid 7"));
  EXPECT_EQ(count(echo, "\ngrid "), 6);

  // Neither bulls nor castrates: four grids remain in the file and are consumed.
  m->pbf[0] = 0;
  m->Pb[0][0][0] = m->Prb[0][0] = 0.0f;
  size_t before = echo.size();
  echo = read("INPUT24.TXT", read_input24).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Pb[0][0][0], 0.0f);
  EXPECT_EQ(m->Prb[0][0], 0.0f);
  EXPECT_EQ(m->Ph[0][0][0], 21.0f);
  EXPECT_EQ(m->Prc[1][2], 86.0f);
  EXPECT_EQ(count(echo, "\ngrid "), 4);
  EXPECT_FALSE(contains(echo, "grid 1"));
  EXPECT_FALSE(contains(echo, "grid 5"));

  // Cross-bred bulls and castrates only: the class prices are read, the
  // pure-bred shares are not.
  crossbred_options(*m, 1);
  m->pbf[0] = 0;
  m->pbf[1] = m->cast[1] = 1;
  before = tio.results().size();
  echo = read("INPUT24.TXT", read_input24).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Pb[0][0][0], 0.0f);
  EXPECT_EQ(m->Pcs[0][0][0], 0.0f);
  EXPECT_EQ(m->Prb[0][0], 51.0f);
  EXPECT_EQ(m->Prcs[0][0], 71.0f);
  EXPECT_EQ(count(echo, "\ngrid "), 6);
}

TEST_F(FeedCarcassFiles, Input25CrossBredSharesFollowTheirFlags) {
  write_file("INPUT25.TXT", small_grids(3));
  crossbred_options(*m, 2);
  m->p1 = 2;
  m->p2 = 3;

  // Cross-bred bulls fattened; heifers neither fattened nor reared.
  m->pbf[1] = m->paf[1] = 1;
  std::string echo = read("INPUT25.TXT", read_input25);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Pb[1][0][1], 14.0f);
  EXPECT_EQ(m->Ph[0][0][1], 0.0f);
  EXPECT_EQ(m->Pcs[0][0][1], 0.0f);
  EXPECT_EQ(m->Pb[1][0][0], 0.0f);  // pure-bred shares untouched
  const std::string last = "\ngrid 1    (u):\n   11.000   12.000   13.000\n   14.000   15.000   16.000\n\n\n";
  EXPECT_EQ(echo, last);

  // Heifers reared for breeding, or fattened, have carcass shares.
  crossbred_options(*m, 3);
  read("INPUT25.TXT", read_input25);
  EXPECT_EQ(m->Ph[1][2][1], 26.0f);
  m->Ph[1][2][1] = 0.0f;
  crossbred_options(*m, 2);
  m->pbf[1] = 0;
  m->pff[1] = m->cast[1] = 1;
  const size_t before = tio.results().size();
  echo = read("INPUT25.TXT", read_input25).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->Ph[1][2][1], 26.0f);
  EXPECT_EQ(m->Pcs[0][1][1], 32.0f);
  EXPECT_FALSE(contains(echo, "grid 1"));
  EXPECT_EQ(count(echo, "\ngrid "), 2);
}

// ------------------------------------------------------ bundled examples

// The examples are read file after file with the flags their INPUT15.TXT
// gives; every item must be consumed exactly.
TEST_F(FeedCarcassFiles, HolsteinExampleIsReadCompletely) {
  const std::pair<const char*, Reader> files[] = {
      {"INPUT23.TXT", read_input23}, {"INPUT21.TXT", read_input21}, {"INPUT12.TXT", read_input12}};
  for (const auto& [file, reader] : files) {
    read(file, reader);
    EXPECT_EQ(leftover, "") << file;
  }
  const size_t before = tio.results().size();
  const std::string echo = read("INPUT24.TXT", read_input24).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(count(echo, "):\n"), 6);  // all but the castrate grids
  EXPECT_FALSE(contains(echo, "castrate"));
}

TEST_F(FeedCarcassFiles, HolsteinBeefCrossExampleIsReadCompletely) {
  use_example("holstein-beef-cross");
  set_value("INPUT21.TXT", "Residual feed intake of female calves, first", "0.125");
  ASSERT_EQ(m->cb, 1);
  m->pbf[0] = m->pbf[1] = 1;
  m->pff[0] = 0;
  m->pff[1] = 1;
  m->paf[0] = m->paf[1] = 1;
  const int cc = m->CC;

  read("INPUT23.TXT", read_input23);
  EXPECT_EQ(leftover, "");
  EXPECT_GT(m->wbfatb, 0.0f);
  EXPECT_GT(m->whfatb, 0.0f);
  EXPECT_GT(m->wcfatb, 0.0f);

  read("INPUT21.TXT", read_input21);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->rfifc1[1], 0.125f);
  EXPECT_GT(m->dryf[22], 0.0f);
  EXPECT_EQ(m->dryf[cc + 22], 0.0f);  // utifemcr 4: no cross-bred breeding heifers
  EXPECT_EQ(m->dryf[17], 0.0f);       // no pure-bred castrates
  EXPECT_GT(m->dryf[cc + 17], 0.0f);
  EXPECT_EQ(m->dryf[12], 0.0f);  // no pure-bred fattened heifers
  EXPECT_GT(m->dryf[cc + 12], 0.0f);

  const size_t before = tio.results().size();
  const std::string echo = read("INPUT24.TXT", read_input24).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(count(echo, "):\n"), 7);  // all but the pure-bred castrates
  EXPECT_EQ(m->Pcs[0][0][0] + m->Pcs[m->p1 - 1][m->p2 - 1][0], 0.0f);

  read("INPUT25.TXT", read_input25);
  EXPECT_EQ(leftover, "");
}

TEST_F(FeedCarcassFiles, BeefSireExampleIsReadCompletely) {
  use_example("beef-sire");
  set_value("INPUT21.TXT", "Residual feed intake of fattened bulls", "0.375");
  ASSERT_EQ(m->cb, 1);
  m->pbf[0] = m->pbf[1] = 1;
  m->pff[0] = m->pff[1] = 0;
  m->paf[0] = m->paf[1] = 1;
  const int cc = m->CC;

  read("INPUT23.TXT", read_input23);
  EXPECT_EQ(leftover, "");
  EXPECT_EQ(m->whfat[0], 0.0f);
  EXPECT_GT(m->wcfat[0], 0.0f);

  const size_t before = tio.results().size();
  const std::string echo = read("INPUT21.TXT", read_input21).substr(before);
  EXPECT_EQ(leftover, "");
  EXPECT_GT(m->dryf[cc + 22], 0.0f);  // cross-bred heifers reared for breeding
  EXPECT_EQ(m->rfi[cc + 14], 0.375f);
  EXPECT_EQ(m->dryf[cc + 17], 0.0f);
  EXPECT_EQ(m->dryf[12] + m->dryf[cc + 12], 0.0f);  // no fattened heifers: silent
  EXPECT_FALSE(contains(echo, "fattened heifers"));

  read("INPUT24.TXT", read_input24);
  EXPECT_EQ(leftover, "");
  read("INPUT25.TXT", read_input25);
  EXPECT_EQ(leftover, "");
  float shares = 0.0f;  // cross-bred heifers reared for breeding; in per cent
  for (int a = 0; a < m->p1; ++a)
    for (int b = 0; b < m->p2; ++b) shares += m->Ph[a][b][1];
  EXPECT_NEAR(shares, 100.0f, 0.01f);
  EXPECT_EQ(m->Pcs[0][0][1], 0.0f);
}

// -------------------------------------------------------- reading order

// Test bulls that leave at weaning: INPUT12.TXT is not read and gets no
// section number. The ages come from INPUT15.TXT; they are set in the file
// and on the model alike.
TEST_F(FeedCarcassFiles, Input12IsReadOnlyWhenTestBullsStayBeyondWeaning) {
  set_value("INPUT15.TXT", "Age at weaning", "84.0");
  set_value("INPUT15.TXT", "Age of bull calves", "84.0");
  TestIo full;
  load_parad(*m, full.io);
  m->age[10] = 84.0f;
  m->agew[0] = 84.0f;
  read_data_files(*m, full.io);
  const std::string results = full.results();
  EXPECT_FALSE(contains(results, "INPUT12.TXT"));
  EXPECT_TRUE(contains(results, "\n2.5 Data from file INPUT21.TXT\n------------------------------\n"));
  EXPECT_TRUE(contains(results, "2.6 Data from file INPUT07.TXT\n"));
}

}  // namespace
}  // namespace zelvan
