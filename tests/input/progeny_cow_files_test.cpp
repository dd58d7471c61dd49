// Reading INPUT15.TXT (progeny and fattening) and INPUT11.TXT (cows): the
// echo, the fattening flags derived from the data, the corrections and the
// checks that stop the program.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// An INPUT15.TXT for a system with cross-bred calves, laid out as the
// examples are: item n has the texts "Item n" and "unit n" and, unless given,
// the values n + 0.25 (pure-bred) and n + 0.5 (cross-bred). Item 2 (test
// bulls) is pure-bred only, item 4 (cross-bred female calves sold) a share.
std::string crossbred_input15(std::map<int, std::string> numbers) {
  numbers.insert({{1, "0.5 0.25"}, {2, "0.1"}, {3, "0.5 0.75"}, {4, "0.5"}});
  std::string s = "/INPUT15 cross-bred system made by the test/\n";
  for (int n = 1; n <= 34; ++n) {
    const std::string k = std::to_string(n);
    s += (numbers.count(n) ? numbers[n] : k + ".25 " + k + ".5") + "\n\"Item " + k + "\" \"unit " + k + "\"\n\n";
  }
  return s;
}

// The warning that reports a corrected castration option.
const char* const kBox =
    "\n\n*************************************************\n"
    "* W a r n i n g !                               *\n"
    "* In PARAD.TXT you have stated that there are   *\n"
    "* pure-bred castrates for fattening, but there  *\n"
    "* are no male calves which can be castrated.    *\n"
    "* Therefore your wrong parameter from PARAD.TXT *\n"
    "* was corrected and set to zero.                *\n"
    "*************************************************\n\n";

// The holstein example in a scratch directory, edited by each test before
// the model reads it the way the reading order does.
class ProgenyCowFiles : public ::testing::Test {
 protected:
  void SetUp() override { copy_example("holstein"); }
  // PARAD.TXT of a cross-bred system and the numbered INPUT15.TXT above.
  void crossbred(const char* utifemcr, const std::map<int, std::string>& numbers = {}) {
    set_numbers("PARAD.TXT", "Cross-breeding with beef bulls", "1");
    set_numbers("PARAD.TXT", "Economic values calculated for", "2");
    set_numbers("PARAD.TXT", "Use of cross-bred female calves", utifemcr);
    write_file("INPUT15.TXT", crossbred_input15(numbers));
  }
  // PARAD.TXT into a fresh model; the results so far are flushed, so that
  // the child of a death test does not write them once more.
  void start() {
    t = std::make_unique<TestIo>();
    m = new_model();
    ::testing::internal::CaptureStdout();
    load_parad(*m, t->io);
    ::testing::internal::GetCapturedStdout();
    std::fflush(t->io.out);
  }
  // Reads PARAD.TXT and the file; returns the echo of the file.
  std::string read(Reader reader, const char* file, bool fresh = true) {
    if (fresh) start();
    const size_t before = t->results().size();
    EXPECT_EQ(read_with(*m, t->io, reader, file), "") << file;
    return t->results().substr(before);
  }
  // In the child of a death test: INPUT15.TXT echoed into STOPPED.TXT.
  void read15_into_file() {
    t->io.out = std::fopen("STOPPED.TXT", "w");
    read_with(*m, t->io, read_input15, "INPUT15.TXT");
  }

  ScratchDir dir;
  std::unique_ptr<TestIo> t;
  std::unique_ptr<Model> m;
};

using ProgenyCowFilesDeathTest = ProgenyCowFiles;

TEST_F(ProgenyCowFiles, PureBredEchoValuesAndFlags) {
  // Cross-bred female calves partly sold means nothing without cross-breeding.
  set_numbers("PARAD.TXT", "Use of cross-bred female calves", "4");
  const std::string e = read(read_input15, "INPUT15.TXT");
  EXPECT_TRUE(e.starts_with("\nProportion of male calves alive at 48 hours sold as young calves    (share, 0..1):      0.8500\n"));
  EXPECT_TRUE(contains(e, "(share, 0..1):      0.0200\nBirth weight of female calves    (kg):     40.0000\n"));
  // Heifers and bulls are fattened, castrates not: "-" for the missing
  // cross-bred value, and the castrate items vanish although the file has numbers.
  EXPECT_TRUE(contains(e, "\nAverage daily gain of heifers in fattening    (kg per day):      0.9000         -\n"));
  EXPECT_FALSE(contains(e, "castrate"));
  EXPECT_EQ(values(m->adgwsc[0], m->dresc[0], m->dccf[0], m->nccf[0], m->exfc), "0 0 0 0 0");
  EXPECT_EQ(values(m->bwf[0], m->bwm[0], m->adgwsf[0], m->age[cat(*m, 0, 23)], m->age[cat(*m, 1, 23)], m->bwf[1]),
            "40 43 0.9 420 0 0");
  EXPECT_TRUE(e.ends_with("culled before first insemination    (share, 0..1):      0.0500\n\n"));
}

TEST_F(ProgenyCowFiles, CastrationWithoutMaleCalvesIsCorrected) {
  // All male calves are sold or tested (0.98 + 0.02 is exactly 1 in single
  // precision): castrates cannot exist, bulls are not fattened, and 1 is not
  // more than all calves.
  set_numbers("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_numbers("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  EXPECT_TRUE(contains(read(read_input15, "INPUT15.TXT"), std::string("      0.0200") + kBox + "\nBirth weight"));
  EXPECT_EQ(values(m->cast[0], m->pbf[0], m->paf[0]), "0 0 1");  // heifers are still fattened

  crossbred("1", {{1, "0.5 1.0"}});
  set_numbers("PARAD.TXT", "Cross-bred male calves castrated", "1");
  std::string box = kBox;
  box.replace(box.find("* pure-bred castrates for fattening, but there  *"), 49, "* cross-bred castrates for fattening, but there *");
  EXPECT_TRUE(contains(read(read_input15, "INPUT15.TXT"), "      0.1000" + box + "\nItem 3 "));
  EXPECT_EQ(values(m->cast[1], m->pbf[1], m->paf[1]), "0 0 0");
}

TEST_F(ProgenyCowFiles, CastratesAloneGiveTheReferenceGain) {
  set_numbers("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_numbers("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_numbers("INPUT15.TXT", "Proportion of male calves for fattening that are castrated", "1");
  const std::string e = read(read_input15, "INPUT15.TXT");
  EXPECT_TRUE(contains(e, "(no castrates in this herd)    (share, 0..1):      1.0000         -\n"));
  EXPECT_FALSE(contains(e, "heifers in fattening"));
  EXPECT_EQ(values(m->pbf[0], m->pff[0], m->paf[0], m->adgwsm[0], m->adgwsf[0]), "0 0 1 0 1.1");
}

TEST_F(ProgenyCowFiles, CrossBredPairsAndFlags) {
  crossbred("4");
  std::string e = read(read_input15, "INPUT15.TXT");
  // The share of cross-bred female calves sold is a scalar with readfloat's echo.
  EXPECT_TRUE(contains(e, "(unit 2):      0.1000\nItem 4    (unit 4):      0.5000 \nItem 5    (unit 5):      5.2500       5.5000\n"));
  EXPECT_EQ(values(m->exfc, m->age[cat(*m, 1, 10)], m->sfrp[1]), "0.5 13.5 34.5");
  // Cross-bred heifers are not reared for breeding: their sale ages are cleared before the echo.
  EXPECT_TRUE(contains(e, "\nItem 19    (unit 19):     19.2500       0.0000\n"));
  // Part of the cross-bred females is fattened; bulls of both breed indices;
  // no castrates, so their items and cross-bred numbers are passed over.
  EXPECT_EQ(values(m->pbf[1], m->pff[1], m->paf[1], m->dmcf[1]), "1 1 1 27.5");
  EXPECT_FALSE(contains(e, "Item 3 ") || contains(e, "Item 22 "));

  crossbred("3");  // reared for breeding: the ages stay, the share sold is not read
  EXPECT_FALSE(contains(read(read_input15, "INPUT15.TXT"), "Item 4 "));
  EXPECT_EQ(values(m->exfc, m->pff[1], m->age[cat(*m, 1, 23)]), "0 0 18.5");

  crossbred("4", {{4, "1"}});  // all cross-bred female calves sold: none fattened
  read(read_input15, "INPUT15.TXT");
  EXPECT_EQ(m->pff[1], 0);

  // Cross-bred heifers fattened, pure-bred not; cross-bred bulls all sold.
  crossbred("2", {{1, "0.5 1.0"}});
  set_numbers("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  e = read(read_input15, "INPUT15.TXT");
  EXPECT_EQ(values(m->pff[0], m->pff[1], m->pbf[0], m->pbf[1]), "0 1 1 0");
  EXPECT_TRUE(contains(e, "\nItem 20    (unit 20):        -         20.5000\nItem 21    (unit 21):     21.2500         -\n"));
  // Pure-bred bulls stand in for the heifers; cross-bred heifers keep their gain.
  EXPECT_EQ(values(m->adgwsm[1], m->dmcf[1], m->adgwsf[0], m->adgwsf[1]), "0 0 21.25 20.5");

  // Residual feed intake in fattening with cross-bred fattening only: no stop.
  crossbred("1", {{1, "0.9 0.5"}});
  set_numbers("PARAD.TXT", "Residual feed intake of fattened animals", "1");
  read(read_input15, "INPUT15.TXT");
  EXPECT_EQ(values(m->paf[0], m->paf[1]), "0 1");
}

TEST_F(ProgenyCowFilesDeathTest, ImpossibleShares) {
  // The stop comes after the whole file is echoed, the castration box first.
  set_numbers("PARAD.TXT", "Pure-bred male calves castrated", "1");
  set_numbers("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.99");
  start();
  expect_stop([&] { read15_into_file(); },
              "The sum of the proportions of pure-bred male calves\nalive at 48 hours determined for export and for "
              "breeding is > 1\\.\nCorrect the error in INPUT15\\.TXT");
  std::string r = read_file("STOPPED.TXT");
  EXPECT_TRUE(contains(r, kBox) && r.ends_with("culled before first insemination    (share, 0..1):      0.0500\n\n"));

  // Residual feed intake of fattening without fattening stops right after the test share.
  set_numbers("PARAD.TXT", "Pure-bred male calves castrated", "0");
  set_numbers("PARAD.TXT", "Residual feed intake of fattened animals", "1");
  set_numbers("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_numbers("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  start();
  expect_stop([&] { read15_into_file(); }, "economic value for residual dry\nmatter intake in fattening if there is no fattening");
  EXPECT_TRUE(read_file("STOPPED.TXT").ends_with("performance test    (share, 0..1):      0.0200"));
}

TEST_F(ProgenyCowFiles, CowEchoSystemItemsAndUnusedClasses) {
  // Nothing fattened, three difficulty classes of which none counts as
  // difficult, a pure-bred system.
  set_numbers("PARAD.TXT", "Use of surplus pure-bred female calves", "1");
  set_numbers("INPUT15.TXT", "Proportion of male calves alive at 48 hours sold as young", "0.98");
  set_numbers("INPUT11.TXT", "Number of calving difficulty classes", "3");
  set_numbers("INPUT11.TXT", "First calving difficulty class", "5");
  set_numbers("INPUT11.TXT", "Residual dry matter intake of cows", "0.3");
  read(read_input15, "INPUT15.TXT");
  ASSERT_EQ(m->paf[0], 0);
  const std::string e = read(read_input11, "INPUT11.TXT", false);
  // Integers and reals echo from right after the number: the line end in
  // front of the texts starts each item's line.
  EXPECT_TRUE(e.starts_with("\nNumber of calving difficulty classes (easy, light help, hard pull, veterinary or caesarean)"
                            "    (count):  3 \nFirst calving difficulty class counted as a difficult calving    (class "
                            "number):  5 \nLength of gestation    (days):    280.0000 "));
  EXPECT_FALSE(contains(e, "Feed losses in fattening") || contains(e, "Subsidy per fattened animal") ||
               contains(e, "beef") || contains(e, "difficulty class 4"));
  EXPECT_EQ(values(m->losff, m->dotfati, m->mcwb, m->praib, m->vetdys[3], m->labdys[3]), "0 0 0 0 0 0");
  // The cow values go to the cow category.
  EXPECT_EQ(values(m->dyscl, m->rfi[30], m->dryf[30], m->fix[30], m->vetdys[2], m->costlab), "5 0.3 0.45 2.2 60 15");
  EXPECT_TRUE(e.ends_with("\nProportion of cows registered in the herd book    (share, 0..1):      0.9000 \n\n"));
}

TEST_F(ProgenyCowFilesDeathTest, CountsOutsideTheArraysStop) {
  const struct {
    const char *item, *value, *message;
  } cases[] = {
      {"Number of calving difficulty classes", "0", "INPUT11\\.TXT, the value 0 of DD .*range 1 to 6"},
      {"Number of calving difficulty classes", "7", "the value 7 of DD .*range 1 to 6"},
      {"First calving difficulty class", "0", "the value 0 of dyscl .*is below 1"},
      {"Maximum number of inseminations of a cow", "9", "the value 9 of inmax .*range 1 to 8"},
      {"Maximum number of inseminations of a heifer", "0", "the value 0 of inmaxh .*range 1 to 8"},
  };
  read(read_input15, "INPUT15.TXT");
  const std::string original = read_file("INPUT11.TXT");
  for (const auto& c : cases) {
    write_file("INPUT11.TXT", original);
    set_numbers("INPUT11.TXT", c.item, c.value);
    expect_stop([&] { read_with(*m, t->io, read_input11, "INPUT11.TXT"); }, c.message);
  }
}

}  // namespace
}  // namespace zelvan
