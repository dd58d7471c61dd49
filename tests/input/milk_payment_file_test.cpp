// Reading INPUT28.TXT: which sections each milk payment system reads, the
// echo of the class tables and the bounds of the class counts.
#include <gtest/gtest.h>

#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// All nine sections with distinct numbers, so that a value read from the
// wrong item shows. Sections 4 and 5 both hold prices per cell-count class;
// they differ so that the test sees which one was read.
const char* const kInput28 =
    "/INPUT28 milk payment, base price/\n0.32 \"Base price\" \"MU per kg\"\n"
    "/Fat and protein/\n2 \"Fat limits\" \"count\"\n3.5 4.5 \"Fat class limits\" \"per cent\"\n"
    "1 \"Protein limits\" \"count\"\n3.2 \"Protein class limits\" \"per cent\"\n"
    "0.1 0.01 3.5 0.2 0.02 4.0 0.3 0.03 4.5 \"Fat payment\" \"a b x0\"\n"
    "0.4 0.04 3.2 0.5 0.05 3.6 \"Protein payment\" \"a b x0\"\n"
    "0.25 \"Sd fat\" \"per cent\"\n0.12 \"Sd protein\" \"per cent\"\n"
    "/Cell score/\n3.1 \"Mean score\" \"score\"\n1.1 \"Sd score\" \"score\"\n3 \"Cell classes\" \"count\"\n"
    "150000 300000 \"Cell limits\" \"cells per ml\"\n"
    "/Cell prices/\n0.07 0.08 0.09 \"Cell prices\" \"MU\"\n"
    "/Cell factors/\n1.02 0.02 1.0 0.0 0.9 -0.04 \"Cell factors\" \"factor, MU\"\n"
    "/a30/\n35.0 \"Mean a30\" \"mm\"\n9.0 \"Sd a30\" \"mm\"\n/RCT/\n17.0 \"Mean RCT\" \"min\"\n3.5 \"Sd RCT\" \"min\"\n"
    "/a30 classes/\n1 \"a30 limits\" \"count\"\n25.0 \"a30 class limits\" \"mm\"\n"
    "0.0 0.001 25.0 0.003 0.0 25.0 \"a30 payment\" \"p\"\n"
    "/RCT classes/\n2 \"RCT limits\" \"count\"\n15.0 20.0 \"RCT class limits\" \"min\"\n"
    "0.004 0.0 15.0 0.002 0.0 17.5 0.0 0.0 20.0 \"RCT payment\" \"p\"\nEND";

class MilkPayment : public ::testing::Test {
 protected:
  void SetUp() override { write_file("INPUT28.TXT", kInput28); }
  // Reads INPUT28.TXT with the given options into a fresh model whose class
  // counts and first cell-count price show whether they were set; returns
  // what is left behind the last item.
  std::string read(int milkprice, int ind_a30, int ind_RCT) {
    m = new_model();
    t = std::make_unique<TestIo>();
    m->nfat = m->nprot = m->nSCC = m->na30 = m->nRCT = 7;
    m->prSCC[0] = m->prmilkb = 9.0f;
    m->milkprice = milkprice;
    m->ind_a30 = ind_a30;
    m->ind_RCT = ind_RCT;
    return read_with(*m, t->io, read_input28, "INPUT28.TXT");
  }

  ScratchDir dir;
  std::unique_ptr<Model> m;
  std::unique_ptr<TestIo> t;
};

TEST_F(MilkPayment, FullPaymentSystemReadsEverySectionAndEchoesTheTables) {
  EXPECT_EQ(read(5, 1, 1), "END");
  // A table is given class by class: rf[r][k] is parameter r of class k.
  // System 5 takes its cell-count prices from the factor section.
  EXPECT_EQ(values(m->thfat[1], m->rf[0][1], m->rf[1][2], m->rp[2][1], m->sigmaprot, m->tSCC[1], m->facSCC[2], m->prSCC[2],
                    m->sigmaa30, m->ra30[0][1], m->rRCT[2][1]),
            "4.5 0.2 0.03 3.6 0.12 300000 0.9 -0.04 9 0.003 17.5");
  // Scalars run on in one line; vector items start a line with their texts;
  // tables put one class per line under their texts.
  const std::string out = t->results();
  EXPECT_TRUE(out.starts_with(" Base price    (MU per kg):      0.3200  Fat limits    (count):  2 \n"));
  EXPECT_TRUE(contains(out, "\nFat class limits    (per cent):  3.50  4.50 Protein limits"));
  EXPECT_TRUE(contains(out, "\nFat payment    (a b x0):\n            0.100   0.010   3.500\n            0.200   0.020   4.000"
                            "\n            0.300   0.030   4.500\nProtein payment"));
  EXPECT_TRUE(contains(out, "\nCell limits    (cells per ml):  150000  300000\nCell factors    (factor, MU):"
                            "\n              1.020     0.020\n              1.000     0.000\n              0.900    -0.040 Mean a30"));
  EXPECT_TRUE(out.ends_with("\nRCT payment    (p):\n             0.004000    0.000000   15.000000"
                            "\n             0.002000    0.000000   17.500000\n             0.000000    0.000000   20.000000\n\n"));
}

TEST_F(MilkPayment, EachSystemReadsItsOwnSections) {
  const struct {
    int milkprice, a30, rct;
    const char* read;  // prmilkb, nfat, nprot, nSCC, prSCC[0], facSCC[0], mSCS, a30, RCT, na30, nRCT
  } cases[] = {
      // Base price only; the coagulation means follow their options alone.
      {1, 1, 0, "0.32 -1 -1 1 9 0 0 35 0 7 7"},
      // Cell-count classes without base price.
      {2, 0, 0, "0 -1 -1 3 0.07 0 3.1 0 0 7 7"},
      // Content classes without cell count, classes of one coagulation trait.
      {3, 0, 1, "0.32 2 1 1 9 0 0 0 17 7 2"},
      // Content and cell-count classes, prices from section 4.
      {4, 0, 0, "0 2 1 3 0.07 0 3.1 0 0 7 7"},
      {5, 1, 1, "0.32 2 1 3 0.02 1.02 3.1 35 17 1 2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read(c.milkprice, c.a30, c.rct), "END");
    EXPECT_EQ(values(m->prmilkb, m->nfat, m->nprot, m->nSCC, m->prSCC[0], m->facSCC[0], m->mSCS, m->a30, m->RCT, m->na30, m->nRCT),
              c.read);
    if (c.milkprice == 1) {
      EXPECT_EQ(t->results(), " Base price    (MU per kg):      0.3200  Mean a30    (mm):     35.0000  Sd a30    (mm):      9.0000 \n\n");
    }
  }
}

TEST_F(MilkPayment, SmallestClassTables) {
  // No fat limits: a payment table of one class.
  replace_in_file("INPUT28.TXT", "2 \"Fat limits\"", "0 \"Fat limits\"");
  replace_in_file("INPUT28.TXT", "0.1 0.01 3.5 0.2 0.02 4.0 0.3 0.03 4.5", "0.1 0.01 3.5");
  EXPECT_EQ(read(3, 0, 0), "END");
  EXPECT_EQ(values(m->nfat, m->thfat[0], m->rf[2][0], m->rf[0][1]), "0 0 3.5 0");
  EXPECT_TRUE(contains(t->results(), "(count):  0  Protein limits"));
  EXPECT_TRUE(contains(t->results(), "\nFat payment    (a b x0):\n            0.100   0.010   3.500\nProtein payment"));

  // Fat not paid for: neither limits nor table.
  replace_in_file("INPUT28.TXT", "0 \"Fat limits\"", "-1 \"Fat limits\"");
  EXPECT_EQ(read(3, 0, 0), "END");
  EXPECT_EQ(values(m->nfat, m->rf[0][0], m->rp[0][1]), "-1 0 0.5");
  EXPECT_FALSE(contains(t->results(), "Fat class limits") || contains(t->results(), "Fat payment"));
  // Any count below -1 is not paid for either; its table has no class.
  replace_in_file("INPUT28.TXT", "-1 \"Fat limits\"", "-4 \"Fat limits\"");
  EXPECT_EQ(read(3, 0, 0), "END");
  EXPECT_EQ(values(m->nfat, m->rf[0][0], m->rp[0][1]), "-4 0 0.5");

  // One cell-count class: no limits and one price.
  replace_in_file("INPUT28.TXT", "3 \"Cell classes\"", "1 \"Cell classes\"");
  replace_in_file("INPUT28.TXT", "150000 300000 \"Cell limits\"", "\"Cell limits\"");
  replace_in_file("INPUT28.TXT", "0.07 0.08 0.09", "0.07");
  EXPECT_EQ(read(2, 0, 0), "END");
  EXPECT_EQ(values(m->nSCC, m->tSCC[0], m->prSCC[0]), "1 0 0.07");
  EXPECT_TRUE(contains(t->results(), "\nCell limits    (cells per ml):\nCell prices    (MU):  0.0700\n\n"));
}

// Class counts beyond the tables stop the program naming the file and item.
using MilkPaymentDeathTest = MilkPayment;

TEST_F(MilkPaymentDeathTest, ClassCountsOutsideTheTablesStop) {
  const struct {
    const char *from, *to;
    int milkprice;
    const char* message;
  } cases[] = {
      {"2 \"Fat limits\"", "10 \"Fat limits\"", 3, "INPUT28.TXT, the value 10 of nfat .* is above 9"},
      {"3 \"Cell classes\"", "8 \"Cell classes\"", 5, "the value 8 of nSCC .* 1 to 7"},
      {"3 \"Cell classes\"", "0 \"Cell classes\"", 2, "the value 0 of nSCC .* 1 to 7"},
      {"1 \"a30 limits\"", "11 \"a30 limits\"", 3, "the value 11 of na30 .* is above 9"},
  };
  for (const auto& c : cases) {
    write_file("INPUT28.TXT", kInput28);
    replace_in_file("INPUT28.TXT", c.from, c.to);
    expect_stop([&] { read(c.milkprice, 1, 1); }, c.message);
  }
}

// A paid content trait needs a positive standard deviation; one that is
// not paid for, and the cell score, may have none.
TEST_F(MilkPaymentDeathTest, PaidTraitsWithoutSpreadStop) {
  const struct {
    const char *from, *to;
    int milkprice, ind_a30;
    const char* message;  // nullptr: read to the end
  } cases[] = {
      {"0.25 \"Sd fat\"", "0 \"Sd fat\"", 3, 0, "INPUT28.TXT, the standard deviation sigmafat"},
      {"3.5 \"Sd RCT\"", "0 \"Sd RCT\"", 3, 0, "INPUT28.TXT, the standard deviation sigmaRCT"},
      {"9.0 \"Sd a30\"", "0 \"Sd a30\"", 1, 1, nullptr},  // a30 read but not paid in system 1
      {"2 \"Fat limits\"", "-1 \"Fat limits\"", 3, 0, nullptr},
      {"1.1 \"Sd score\"", "0 \"Sd score\"", 4, 0, nullptr},
  };
  for (const auto& c : cases) {
    write_file("INPUT28.TXT", kInput28);
    replace_in_file("INPUT28.TXT", c.from, c.to);
    if (c.from[0] == '2') replace_in_file("INPUT28.TXT", "0.25 \"Sd fat\"", "0 \"Sd fat\"");  // fat not paid
    if (c.message == nullptr) {
      EXPECT_EQ(read(c.milkprice, c.ind_a30, 1), "END") << c.to;
    } else {
      expect_stop([&] { read(c.milkprice, c.ind_a30, 1); }, c.message);
    }
  }
}

}  // namespace
}  // namespace zelvan
