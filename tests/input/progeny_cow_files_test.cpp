// Reading INPUT15.TXT (progeny and fattening) and INPUT11.TXT (cows): the
// echo, the fattening flags derived from the data, the corrections and the
// checks that stop the program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// Replaces the numbers of the item whose first text begins with `text` by
// `numbers`. The numbers stand on the last line before the opening quote
// that holds anything but white space; the white space between them and the
// text is kept, since the echo of scalars shows it.
void set_value(const std::string& path, const std::string& text, const std::string& numbers) {
  std::string s = read_file(path);
  const size_t pos = s.find("\"" + text);
  ASSERT_NE(pos, std::string::npos) << "item \"" << text << "\" in " << path;
  const size_t end = s.find_last_not_of(" \t\r\n", pos - 1) + 1;
  const size_t newline = s.rfind('\n', end - 1);
  const size_t start = newline == std::string::npos ? 0 : newline + 1;
  s.replace(start, end - start, numbers);
  write_file(path, s);
}

// An INPUT15.TXT for a system with cross-bred calves, laid out as the
// examples are (numbers on one line, texts on the next): item n has the texts
// "Item n" and "unit n" and, unless given, the values n + 0.25 (pure-bred)
// and n + 0.5 (cross-bred). Item 2 (performance test) has a pure-bred value
// only, item 4 (cross-bred female calves sold) a single share.
std::string crossbred_input15(std::map<int, std::string> numbers = {}) {
  std::map<int, std::string> given = {{1, "0.5 0.25"}, {2, "0.1"}, {3, "0.5 0.75"}, {4, "0.5"}};
  for (const auto& [n, v] : numbers) given[n] = v;
  std::string s = "/INPUT15 cross-bred system made by the test/\n";
  for (int n = 1; n <= 34; ++n) {
    const auto it = given.find(n);
    const std::string v =
        it != given.end() ? it->second : std::to_string(n) + ".25 " + std::to_string(n) + ".5";
    s += v + "\n\"Item " + std::to_string(n) + "\" \"unit " + std::to_string(n) + "\"\n\n";
  }
  return s;
}

// PARAD.TXT of the example turned into a cross-bred system (economic weights
// for both breed indices, gene flow of dairy sires).
void make_crossbred_parad(const std::string& utifemcr) {
  set_value("PARAD.TXT", "Cross-breeding with beef bulls", "1");
  set_value("PARAD.TXT", "Economic values calculated for", "2");
  set_value("PARAD.TXT", "Use of cross-bred female calves", utifemcr);
}

const char* const kPureBredBox =
    "\n\n"
    "*************************************************\n"
    "* W a r n i n g !                               *\n"
    "* In PARAD.TXT you have stated that there are   *\n"
    "* pure-bred castrates for fattening, but there  *\n"
    "* are no male calves which can be castrated.    *\n"
    "* Therefore your wrong parameter from PARAD.TXT *\n"
    "* was corrected and set to zero.                *\n"
    "*************************************************\n"
    "\n";

// The holstein example in a scratch directory, edited by each test before
// the model reads it the way the reading order does.
class ProgenyCowFiles : public ::testing::Test {
 protected:
  void SetUp() override { copy_example("holstein"); }

  // Reads PARAD.TXT into a fresh model; call after editing the files.
  void start() {
    io_ = std::make_unique<TestIo>();
    m_ = new_model();
    load_parad(*m_, io_->io);
  }
  Model& m() { return *m_; }
  Io& io() { return io_->io; }

  // As the reading order does: open, number the section, read, close.
  void read15() {
    TextIn in = open_text("INPUT15.TXT");
    inp07(io().out, 15, ++io().section);
    read_input15(m(), io(), in);
    EXPECT_EQ(in.fp, nullptr) << "the file is closed before its final checks";
    close_text(in);
  }
  void read11() {
    TextIn in = open_text("INPUT11.TXT");
    inp07(io().out, 11, ++io().section);
    read_input11(m(), io(), in);
    close_text(in);
  }
  // The results from the first data-file heading on.
  std::string echo() {
    const std::string r = io_->results();
    const size_t p = r.find("2.1 Data from file");
    return p == std::string::npos ? r : r.substr(p);
  }
  // For a reader that stops the program, run in the child of a death test:
  // its results go to STOPPED.TXT, which the test reads afterwards. (The
  // parent flushes its results first so that the child writes nothing twice.)
  void results_to_file() { io().out = std::fopen("STOPPED.TXT", "w"); }

  ScratchDir dir_;
  std::unique_ptr<TestIo> io_;
  std::unique_ptr<Model> m_;
};

using ProgenyCowFilesDeathTest = ProgenyCowFiles;

TEST_F(ProgenyCowFiles, PureBredEchoValuesAndFlags) {
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.85");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold to the performance", "0.02");
  set_value("INPUT15.TXT", "Birth weight of female calves", "40.0");
  set_value("INPUT15.TXT", "Age of female calves at sale", "21.0");
  set_value("INPUT15.TXT", "Age of breeding heifers at sale before mating", "420.0");
  set_value("INPUT15.TXT", "Average daily gain of heifers in fattening", "0.9");
  set_value("INPUT15.TXT", "Average daily gain of castrates in fattening", "1.1");
  set_value("INPUT15.TXT", "Proportion of male calves for fattening that are castrated", "0.6");
  set_value("INPUT15.TXT", "Proportion of reared heifers culled before first insemination", "0.05");
  start();
  read15();
  const std::string e = echo();

  // Heading, then the pairs with one value each; the castration share and
  // the cross-bred female calves sold are neither echoed nor stored.
  const std::string head =
      "2.1 Data from file INPUT15.TXT\n------------------------------\n"
      "\nProportion of male calves alive at 48 hours sold as young calves    (share, 0..1):      0.8500"
      "\nProportion of male calves alive at 48 hours sold to the performance test    (share, 0..1):      0.0200"
      "\nBirth weight of female calves    (kg):     40.0000\n";
  EXPECT_EQ(e.substr(0, head.size()), head);
  EXPECT_EQ(e.find("castrated"), std::string::npos);
  EXPECT_EQ(e.find("cross-bred female calves"), std::string::npos);
  EXPECT_EQ(m().pcmf[0], 0.0f);
  EXPECT_EQ(m().exfc, 0.0f);

  // Heifers are fattened, castrates are not: "-" for the missing cross-bred
  // value, and the castrate items vanish although the file has numbers.
  EXPECT_NE(e.find("\nAverage daily gain of heifers in fattening    (kg per day):      0.9000         -\n"),
            std::string::npos);
  EXPECT_EQ(e.find("castrates in fattening"), std::string::npos);
  EXPECT_EQ(m().adgwsc[0], 0.0f);
  EXPECT_EQ(m().dresc[0], 0.0f);
  EXPECT_EQ(m().dccf[0], 0.0f);
  EXPECT_EQ(m().nccf[0], 0.0f);

  EXPECT_EQ(m().pbf[0], 1);
  EXPECT_EQ(m().pff[0], 1);
  EXPECT_EQ(m().paf[0], 1);
  EXPECT_EQ(m().pbf[1] + m().pff[1] + m().paf[1], 0);
  EXPECT_EQ(m().cast[0], 0);

  // Ages go to their categories of breed index 0; the cross-bred block stays untouched.
  EXPECT_EQ(m().bwf[0], 40.0f);
  EXPECT_EQ(m().age[cat(m(), 0, 8)], 21.0f);
  EXPECT_EQ(m().age[cat(m(), 0, 23)], 420.0f);
  EXPECT_EQ(m().age[cat(m(), 1, 8)], 0.0f);
  EXPECT_EQ(m().age[cat(m(), 1, 23)], 0.0f);
  EXPECT_EQ(m().bwf[1], 0.0f);
  EXPECT_EQ(m().adgwsf[0], 0.9f);  // heifers are fattened: no substitution

  const std::string tail = "\nProportion of reared heifers culled before first insemination    (share, 0..1):      0.0500\n\n";
  ASSERT_GE(e.size(), tail.size());
  EXPECT_EQ(e.substr(e.size() - tail.size()), tail);
}

TEST_F(ProgenyCowFiles, CastrationWithoutMaleCalvesIsCorrected) {
  // All male calves are sold or tested (0.98 + 0.02 is exactly 1 in single
  // precision): castrates cannot exist, bulls are not fattened, and 1 is not
  // more than all calves.
  set_value("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold to the performance", "0.02");
  set_value("INPUT15.TXT", "Proportion of male calves for fattening that are castrated", "0.6");
  start();
  read15();
  const std::string e = echo();
  EXPECT_NE(e.find(std::string("(share, 0..1):      0.0200") + kPureBredBox + "\nBirth weight"), std::string::npos);
  EXPECT_EQ(m().cast[0], 0);
  EXPECT_EQ(m().pbf[0], 0);
  EXPECT_EQ(m().pcmf[0], 0.0f);
  EXPECT_EQ(m().paf[0], 1);  // heifers are still fattened
}

TEST_F(ProgenyCowFiles, ReferenceGainOfFattening) {
  // Castrates only: every fattened male calf is castrated, no heifers are
  // fattened, so the castrates' gain becomes the reference gain.
  set_value("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.5");
  set_value("INPUT15.TXT", "Proportion of male calves for fattening that are castrated", "1");
  set_value("INPUT15.TXT", "Average daily gain of heifers in fattening", "0.9");
  set_value("INPUT15.TXT", "Average daily gain of bulls in fattening", "1.25");
  set_value("INPUT15.TXT", "Average daily gain of castrates in fattening", "1.1");
  start();
  read15();
  std::string e = echo();
  EXPECT_NE(e.find("that are castrated (no castrates in this herd)    (share, 0..1):      1.0000         -\n"),
            std::string::npos);
  EXPECT_EQ(m().cast[0], 1);
  EXPECT_EQ(m().pbf[0], 0);
  EXPECT_EQ(m().pff[0], 0);
  EXPECT_EQ(m().paf[0], 1);
  EXPECT_EQ(m().adgwsm[0], 0.0f);
  EXPECT_EQ(m().adgwsc[0], 1.1f);
  EXPECT_EQ(m().adgwsf[0], 1.1f);
  EXPECT_EQ(e.find("heifers in fattening"), std::string::npos);

  // Bulls without castrates and without fattened heifers: the bulls' gain.
  SetUp();
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_value("INPUT15.TXT", "Average daily gain of heifers in fattening", "0.9");
  set_value("INPUT15.TXT", "Average daily gain of bulls in fattening", "1.25");
  start();
  read15();
  EXPECT_EQ(m().pbf[0], 1);
  EXPECT_EQ(m().adgwsf[0], 1.25f);
  EXPECT_EQ(m().adgwsm[0], 1.25f);
  EXPECT_EQ(m().dfcf[0], 0.0f);
}

TEST_F(ProgenyCowFiles, CrossBredPairsAndFlags) {
  make_crossbred_parad("4");
  write_file("INPUT15.TXT", crossbred_input15());
  start();
  read15();
  const std::string e = echo();
  // The share of cross-bred female calves sold is a scalar with readfloat's echo.
  EXPECT_NE(e.find("(unit 2):      0.1000\nItem 4    (unit 4):      0.5000 \nItem 5    (unit 5):      5.2500       5.5000"),
            std::string::npos);
  EXPECT_EQ(m().exfc, 0.5f);
  EXPECT_EQ(m().bwf[1], 5.5f);
  EXPECT_EQ(m().age[cat(m(), 1, 8)], 9.5f);
  EXPECT_EQ(m().age[cat(m(), 1, 10)], 13.5f);
  EXPECT_EQ(m().sfrp[1], 34.5f);
  // Cross-bred heifers are not reared for breeding: their sale ages are
  // cleared before the echo, the pure-bred ones stay.
  EXPECT_NE(e.find("\nItem 18    (unit 18):     18.2500       0.0000"), std::string::npos);
  EXPECT_NE(e.find("\nItem 19    (unit 19):     19.2500       0.0000"), std::string::npos);
  EXPECT_EQ(m().age[cat(m(), 0, 24)], 19.25f);
  EXPECT_EQ(m().age[cat(m(), 1, 23)], 0.0f);
  // Part of the cross-bred females is fattened; bulls of both breed indices.
  EXPECT_EQ(m().pff[1], 1);
  EXPECT_EQ(m().pbf[1], 1);
  EXPECT_EQ(m().paf[1], 1);
  EXPECT_NE(e.find("\nItem 21    (unit 21):     21.2500      21.5000"), std::string::npos);
  // No castrates: pcmf and the castrate items are passed over, their
  // cross-bred numbers with them, and the items after them still line up.
  EXPECT_EQ(m().pcmf[0], 0.0f);
  EXPECT_EQ(m().pcmf[1], 0.0f);
  EXPECT_EQ(e.find("Item 3 "), std::string::npos);
  EXPECT_EQ(e.find("Item 22 "), std::string::npos);
  EXPECT_EQ(m().adgwsc[1], 0.0f);
  EXPECT_EQ(m().dresb[1], 24.5f);
  EXPECT_EQ(m().dcw[1], 26.5f);
  EXPECT_EQ(m().dmcf[1], 27.5f);

  // Cross-bred heifers reared for breeding keep their ages, and the share sold is not read.
  SetUp();
  make_crossbred_parad("3");
  write_file("INPUT15.TXT", crossbred_input15());
  start();
  read15();
  EXPECT_EQ(echo().find("Item 4 "), std::string::npos);
  EXPECT_EQ(m().exfc, 0.0f);
  EXPECT_EQ(m().pff[1], 0);
  EXPECT_EQ(m().age[cat(m(), 1, 23)], 18.5f);
  EXPECT_EQ(m().age[cat(m(), 1, 24)], 19.5f);
}

TEST_F(ProgenyCowFiles, CrossBredHeiferFattening) {
  // All cross-bred female calves sold as calves: none fattened.
  make_crossbred_parad("4");
  write_file("INPUT15.TXT", crossbred_input15({{4, "1"}}));
  start();
  read15();
  EXPECT_EQ(m().pff[1], 0);

  // Cross-bred heifers fattened, pure-bred not; cross-bred bulls not fattened
  // (all sold): the flagged pairs show "-" for the missing value.
  SetUp();
  make_crossbred_parad("2");
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  write_file("INPUT15.TXT", crossbred_input15({{1, "0.5 1.0"}}));
  start();
  read15();
  const std::string e = echo();
  EXPECT_EQ(m().pff[0], 0);
  EXPECT_EQ(m().pff[1], 1);
  EXPECT_EQ(m().pbf[0], 1);
  EXPECT_EQ(m().pbf[1], 0);
  EXPECT_NE(e.find("\nItem 20    (unit 20):        -         20.5000\n"), std::string::npos);
  EXPECT_NE(e.find("\nItem 21    (unit 21):     21.2500         -\n"), std::string::npos);
  EXPECT_EQ(m().adgwsm[1], 0.0f);
  EXPECT_EQ(m().dmcf[1], 0.0f);
  EXPECT_EQ(m().dfcf[1], 31.5f);
  // Pure-bred: the heifer number is discarded and the bulls' gain stands in;
  // cross-bred heifers are fattened and keep their own gain.
  EXPECT_EQ(m().adgwsf[0], 21.25f);
  EXPECT_EQ(m().adgwsf[1], 20.5f);
}

TEST_F(ProgenyCowFiles, CrossBredCastrationCorrected) {
  make_crossbred_parad("1");
  set_value("PARAD.TXT", "Cross-bred male calves castrated", "1");
  write_file("INPUT15.TXT", crossbred_input15({{1, "0.5 1.0"}}));
  start();
  read15();
  std::string box = kPureBredBox;
  const std::string pure_line = "* pure-bred castrates for fattening, but there  *";
  box.replace(box.find(pure_line), pure_line.size(), "* cross-bred castrates for fattening, but there *");
  EXPECT_NE(echo().find("      0.1000" + box + "\nItem 5 "), std::string::npos);
  EXPECT_EQ(m().cast[1], 0);
  EXPECT_EQ(m().cast[0], 0);
  EXPECT_EQ(m().pbf[1], 0);
  EXPECT_EQ(m().paf[1], 0);
}

TEST_F(ProgenyCowFiles, ResidualFeedIntakeWithCrossBredFatteningOnly) {
  // Nothing pure-bred is fattened, but cross-bred bulls are: no stop.
  make_crossbred_parad("1");
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_value("PARAD.TXT", "Residual feed intake of fattened animals", "1");
  write_file("INPUT15.TXT", crossbred_input15({{1, "0.9 0.5"}}));
  start();
  read15();
  EXPECT_EQ(m().paf[0], 0);
  EXPECT_EQ(m().paf[1], 1);
}

TEST_F(ProgenyCowFilesDeathTest, MoreMaleCalvesThanBornStopAfterTheEcho) {
  set_value("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.99");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold to the performance", "0.02");
  start();
  std::fflush(io().out);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        results_to_file();
        read15();
      },
      ::testing::ExitedWithCode(0),
      "The sum of the proportions of pure-bred male calves\nalive at 48 hours determined for export and for "
      "breeding is > 1\\.\nCorrect the error in INPUT15\\.TXT");
  // The castration box came first, then the whole file was echoed.
  const std::string r = read_file("STOPPED.TXT");
  EXPECT_NE(r.find(kPureBredBox), std::string::npos);
  EXPECT_NE(r.find("culled before first insemination    (share, 0..1):"), std::string::npos);
  EXPECT_EQ(r.substr(r.size() - 2), "\n\n");
}

TEST_F(ProgenyCowFilesDeathTest, CrossBredChecksStop) {
  make_crossbred_parad("1");
  write_file("INPUT15.TXT", crossbred_input15({{1, "0.5 1.5"}}));
  start();
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read15();
      },
      ::testing::ExitedWithCode(0), "proportions of cross-bred male calves\nalive at 48 hours");

  set_value("PARAD.TXT", "Cross-bred male calves castrated", "1");
  write_file("INPUT15.TXT", crossbred_input15({{3, "0.5 0"}}));
  start();
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read15();
      },
      ::testing::ExitedWithCode(0),
      "there are \n  cross-bred castrates for fattening, but in INPUT15\\.TXT you give a\n"
      "  proportion of zero for cross-bred castrates for fattening\\.");
}

TEST_F(ProgenyCowFilesDeathTest, CastratesWithoutCastratedShareStop) {
  set_value("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.5");
  set_value("INPUT15.TXT", "Proportion of male calves for fattening that are castrated", "0");
  start();
  EXPECT_EXIT(
      {
        dup2(2, 1);
        read15();
      },
      ::testing::ExitedWithCode(0),
      "In PARAD\\.TXT you state that there are \n  pure-bred castrates for fattening, but in INPUT15\\.TXT");
}

TEST_F(ProgenyCowFilesDeathTest, ResidualFeedIntakeWithoutFatteningStopsAfterItem4) {
  set_value("PARAD.TXT", "Residual feed intake of fattened animals", "1");
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold to the performance", "0.02");
  start();
  std::fflush(io().out);
  EXPECT_EXIT(
      {
        dup2(2, 1);
        results_to_file();
        read15();
      },
      ::testing::ExitedWithCode(0),
      "You cannot calculate the economic value for residual dry\nmatter intake in fattening if there is no "
      "fattening\\.");
  const std::string r = read_file("STOPPED.TXT");
  EXPECT_NE(r.find("performance test    (share, 0..1):      0.0200"), std::string::npos);
  EXPECT_EQ(r.find("Birth weight"), std::string::npos);
}

TEST_F(ProgenyCowFiles, CowEchoAndCowCategory) {
  set_value("INPUT11.TXT", "Number of calving difficulty classes", "4");
  set_value("INPUT11.TXT", "First calving difficulty class", "3");
  set_value("INPUT11.TXT", "Length of gestation", "280.0");
  set_value("INPUT11.TXT", "Residual dry matter intake of cows", "0.3");
  set_value("INPUT11.TXT", "Dry matter content of the cow ration", "0.45");
  set_value("INPUT11.TXT", "Disposal cost of a dead cow", "120.0");
  set_value("INPUT11.TXT", "Veterinary costs of a calving in difficulty class 4", "250.0");
  set_value("INPUT11.TXT", "Fixed costs of a cow", "2.2");
  set_value("INPUT11.TXT", "Feed losses in fattening", "4.0");
  set_value("INPUT11.TXT", "Subsidy per fattened animal", "30.0");
  set_value("INPUT11.TXT", "Proportion of cows registered in the herd book", "0.9");
  start();
  read15();
  read11();
  const std::string r = io_->results();
  const size_t p = r.find("2.2 Data from file INPUT11.TXT");
  ASSERT_NE(p, std::string::npos);
  const std::string e = r.substr(p);
  // readint and readfloat echo from right after the number, so the line end
  // between the number and its texts starts each item's line.
  const std::string head =
      "2.2 Data from file INPUT11.TXT\n------------------------------\n"
      "\nNumber of calving difficulty classes (easy, light help, hard pull, veterinary or caesarean)    (count):  4 "
      "\nFirst calving difficulty class counted as a difficult calving    (class number):  3 "
      "\nLength of gestation    (days):    280.0000 ";
  EXPECT_EQ(e.substr(0, head.size()), head);
  EXPECT_EQ(m().DD, 4);
  EXPECT_EQ(m().dyscl, 3);
  EXPECT_EQ(m().lgpre, 280.0f);

  // The cow values of the per-category arrays.
  EXPECT_EQ(m().dryf[30], 0.45f);
  EXPECT_EQ(m().rfi[30], 0.3f);
  EXPECT_EQ(m().costd[25], 120.0f);
  EXPECT_EQ(m().costd[30], 0.0f);
  EXPECT_EQ(m().fix[30], 2.2f);
  EXPECT_EQ(m().vetdys[3], 250.0f);

  // Fattening exists: its feed losses and subsidy are read.
  EXPECT_EQ(m().losff, 4.0f);
  EXPECT_EQ(m().dotfati, 30.0f);

  // Pure-bred system: beef-cow weight, beef inseminations and the heifers
  // mated with beef bulls are passed over.
  EXPECT_EQ(e.find("beef cows"), std::string::npos);
  EXPECT_EQ(e.find("beef bull"), std::string::npos);
  EXPECT_EQ(m().mcwb, 0.0f);
  EXPECT_EQ(m().praib, 0.0f);
  EXPECT_EQ(m().prairb, 0.0f);
  EXPECT_EQ(m().pcrossh, 0.0f);
  EXPECT_EQ(m().herdbook, 0.9f);
  const std::string tail = "\nProportion of cows registered in the herd book    (share, 0..1):      0.9000 \n\n";
  ASSERT_GE(e.size(), tail.size());
  EXPECT_EQ(e.substr(e.size() - tail.size()), tail);
}

TEST_F(ProgenyCowFiles, UnusedDifficultyClassesArePassedOver) {
  set_value("INPUT11.TXT", "Number of calving difficulty classes", "3");
  set_value("INPUT11.TXT", "Veterinary costs of a calving in difficulty class 3", "60.0");
  set_value("INPUT11.TXT", "Veterinary costs of a calving in difficulty class 4", "250.0");
  set_value("INPUT11.TXT", "Extra labour for a calving in difficulty class 1", "0.25");
  set_value("INPUT11.TXT", "Extra labour for a calving in difficulty class 4", "5.0");
  set_value("INPUT11.TXT", "Cost of labour", "15.0");
  start();
  read15();
  read11();
  const std::string e = echo();
  EXPECT_EQ(m().DD, 3);
  EXPECT_EQ(m().vetdys[2], 60.0f);
  EXPECT_EQ(m().vetdys[3], 0.0f);
  EXPECT_EQ(m().labdys[0], 0.25f);
  EXPECT_EQ(m().labdys[3], 0.0f);
  EXPECT_EQ(m().costlab, 15.0f);
  EXPECT_NE(e.find("difficulty class 3    (MU per calving):     60.0000 "), std::string::npos);
  EXPECT_EQ(e.find("difficulty class 4"), std::string::npos);
  EXPECT_EQ(e.find("difficulty class 6"), std::string::npos);
}

TEST_F(ProgenyCowFiles, CowItemsReadOnlyInTheirSystems) {
  // No fattening at all and no residual feed intake of cows.
  set_value("PARAD.TXT", "Residual feed intake of cows modelled", "0");
  set_value("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  set_value("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold to the performance", "0.02");
  set_value("INPUT11.TXT", "Residual dry matter intake of cows", "0.3");
  set_value("INPUT11.TXT", "Feed losses in fattening", "4.0");
  set_value("INPUT11.TXT", "Subsidy per fattened animal", "30.0");
  set_value("INPUT11.TXT", "Proportion of cows registered in the herd book", "0.9");
  set_value("INPUT11.TXT", "Maintenance factor of dry cows", "0.9");
  start();
  read15();
  ASSERT_EQ(m().paf[0], 0);
  read11();
  std::string e = echo();
  EXPECT_EQ(m().rfi[30], 0.0f);
  EXPECT_EQ(m().losff, 0.0f);
  EXPECT_EQ(m().dotfati, 0.0f);
  EXPECT_EQ(e.find("Residual dry matter intake of cows"), std::string::npos);
  EXPECT_EQ(e.find("Feed losses in fattening"), std::string::npos);
  EXPECT_EQ(e.find("Subsidy per fattened animal"), std::string::npos);
  EXPECT_EQ(m().kbd, 0.9f);
  EXPECT_EQ(m().herdbook, 0.9f);

  // Cross-bred system: the beef items are read.
  SetUp();
  make_crossbred_parad("1");
  write_file("INPUT15.TXT", crossbred_input15());
  set_value("INPUT11.TXT", "Mature live weight of beef cows", "750.0");
  set_value("INPUT11.TXT", "Fee for one insemination with a beef bull", "12.5");
  set_value("INPUT11.TXT", "Price of a semen dose of a beef bull", "15.0");
  set_value("INPUT11.TXT", "Base carcass price of cows", "3.1");
  set_value("INPUT11.TXT", "Proportion of heifers inseminated with beef bulls", "0.2");
  start();
  read15();
  read11();
  e = echo();
  EXPECT_EQ(m().mcwb, 750.0f);
  EXPECT_EQ(m().praib, 12.5f);
  EXPECT_EQ(m().prairb, 15.0f);
  EXPECT_EQ(m().prc, 3.1f);
  EXPECT_EQ(m().pcrossh, 0.2f);
  EXPECT_NE(e.find("(no cross-breeding)    (share, 0..1):      0.2000 \n\n"), std::string::npos);
}

// The bundled examples are read to their last item with the flags their
// systems stand for, and INPUT11.TXT holds nothing behind its last item.
TEST(ProgenyCowExamples, ReadCompletely) {
  struct Flags {
    const char* example;
    int pbf0, pbf1, pff0, pff1, paf0, paf1, DD;
  };
  const Flags examples[] = {
      {"holstein", 1, 0, 1, 0, 1, 0, 4},
      {"holstein-beef-cross", 1, 1, 0, 1, 1, 1, 6},
      {"beef-sire", 1, 1, 0, 0, 1, 1, 3},
  };
  for (const Flags& x : examples) {
    SCOPED_TRACE(x.example);
    ScratchDir dir;
    copy_example(x.example);
    TestIo tio;
    auto m = new_model();
    load_parad(*m, tio.io);
    TextIn in = open_text("INPUT15.TXT");
    read_input15(*m, tio.io, in);
    close_text(in);
    EXPECT_EQ(m->pbf[0], x.pbf0);
    EXPECT_EQ(m->pbf[1], x.pbf1);
    EXPECT_EQ(m->pff[0], x.pff0);
    EXPECT_EQ(m->pff[1], x.pff1);
    EXPECT_EQ(m->paf[0], x.paf0);
    EXPECT_EQ(m->paf[1], x.paf1);
    for (int j = 0; j <= m->cb; ++j) {
      // With bulls fattened and no heifers, the bulls' gain is the reference.
      if (m->pff[j] == 0 && m->pbf[j] == 1) {
        EXPECT_EQ(m->adgwsf[j], m->adgwsm[j]);
      }
      EXPECT_GT(m->sfrp[j] + m->loshin[j], 0.0f) << "the last items are read";
    }
    in = open_text("INPUT11.TXT");
    read_input11(*m, tio.io, in);
    EXPECT_EQ(m->DD, x.DD);
    int c = std::fgetc(in.fp);
    while (c == ' ' || c == '\n' || c == '\r' || c == '\t') c = std::fgetc(in.fp);
    EXPECT_EQ(c, EOF) << "INPUT11.TXT has more items than are read";
    close_text(in);
    EXPECT_GT(m->herdbook, 0.0f);
  }
}

TEST_F(ProgenyCowFilesDeathTest, CountsOutsideTheArraysStop) {
  struct Case {
    const char* item;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"Number of calving difficulty classes", "0", "INPUT11\\.TXT, the value 0 of DD .*range 1 to 6"},
      {"Number of calving difficulty classes", "7", "INPUT11\\.TXT, the value 7 of DD .*range 1 to 6"},
      {"First calving difficulty class", "0", "INPUT11\\.TXT, the value 0 of dyscl .*range 1 to 4"},
      {"First calving difficulty class", "5", "INPUT11\\.TXT, the value 5 of dyscl .*range 1 to 4"},
      {"Maximum number of inseminations of a cow", "9", "INPUT11\\.TXT, the value 9 of inmax .*range 1 to 8"},
      {"Maximum number of inseminations of a heifer", "0", "INPUT11\\.TXT, the value 0 of inmaxh .*range 1 to 8"},
  };
  set_value("INPUT11.TXT", "Number of calving difficulty classes", "4");
  const std::string original = read_file("INPUT11.TXT");
  start();
  read15();
  for (const Case& c : cases) {
    write_file("INPUT11.TXT", original);
    set_value("INPUT11.TXT", c.item, c.value);
    EXPECT_EXIT(
        {
          dup2(2, 1);
          read11();
        },
        ::testing::ExitedWithCode(0), c.message)
        << c.item << " = " << c.value;
  }
}

}  // namespace
}  // namespace zelvan
