// Reading INPUT28.TXT: which sections each milk payment system reads, the
// echo of the class tables and the bounds of the class counts.
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
using testing_support::new_model;
using testing_support::replace_in_file;
using testing_support::ScratchDir;
using testing_support::TestIo;
using testing_support::write_file;

// All nine sections with distinct numbers, so that a value read from the
// wrong item shows. Section 4 and section 5 both hold prices per cell-count
// class; they differ so that the test sees which one was read.
const char* const kInput28 =
    "/INPUT28 milk payment, base price/\n"
    "0.32 \"Base price\" \"MU per kg\"\n"
    "/Fat and protein/\n"
    "2 \"Fat limits\" \"count\"\n"
    "3.5 4.5 \"Fat class limits\" \"per cent\"\n"
    "1 \"Protein limits\" \"count\"\n"
    "3.2 \"Protein class limits\" \"per cent\"\n"
    "0.1 0.01 3.5 0.2 0.02 4.0 0.3 0.03 4.5 \"Fat payment\" \"a b x0\"\n"
    "0.4 0.04 3.2 0.5 0.05 3.6 \"Protein payment\" \"a b x0\"\n"
    "0.25 \"Sd fat\" \"per cent\"\n"
    "0.12 \"Sd protein\" \"per cent\"\n"
    "/Cell score/\n"
    "3.1 \"Mean score\" \"score\"\n"
    "1.1 \"Sd score\" \"score\"\n"
    "3 \"Cell classes\" \"count\"\n"
    "150000 300000 \"Cell limits\" \"cells per ml\"\n"
    "/Cell prices/\n"
    "0.07 0.08 0.09 \"Cell prices\" \"MU\"\n"
    "/Cell factors/\n"
    "1.02 0.02 1.0 0.0 0.9 -0.04 \"Cell factors\" \"factor, MU\"\n"
    "/a30/\n"
    "35.0 \"Mean a30\" \"mm\"\n"
    "9.0 \"Sd a30\" \"mm\"\n"
    "/RCT/\n"
    "17.0 \"Mean RCT\" \"min\"\n"
    "3.5 \"Sd RCT\" \"min\"\n"
    "/a30 classes/\n"
    "1 \"a30 limits\" \"count\"\n"
    "25.0 \"a30 class limits\" \"mm\"\n"
    "0.0 0.001 25.0 0.003 0.0 25.0 \"a30 payment\" \"p\"\n"
    "/RCT classes/\n"
    "2 \"RCT limits\" \"count\"\n"
    "15.0 20.0 \"RCT class limits\" \"min\"\n"
    "0.004 0.0 15.0 0.002 0.0 17.5 0.0 0.0 20.0 \"RCT payment\" \"p\"\n"
    "END";

// What the reader leaves unread of its file.
std::string rest(TextIn& in) {
  std::string s;
  for (int c = std::fgetc(in.fp); c != EOF; c = std::fgetc(in.fp)) s.push_back(static_cast<char>(c));
  return s;
}

class MilkPayment : public ::testing::Test {
 protected:
  void SetUp() override { write_file("INPUT28.TXT", kInput28); }

  // Reads INPUT28.TXT of the scratch directory with the given options and
  // returns what is left behind the last item.
  std::string read(int milkprice, int ind_a30, int ind_RCT) {
    m->milkprice = milkprice;
    m->ind_a30 = ind_a30;
    m->ind_RCT = ind_RCT;
    TextIn in = open_text("INPUT28.TXT");
    read_input28(*m, t.io, in);
    std::string left = rest(in);
    close_text(in);
    return left;
  }

  ScratchDir dir;
  std::unique_ptr<Model> m = new_model();
  TestIo t;
};

TEST_F(MilkPayment, FullPaymentSystemReadsEverySectionAndEchoesTheTables) {
  EXPECT_EQ(read(5, 1, 1), "\nEND");
  EXPECT_FLOAT_EQ(m->prmilkb, 0.32f);
  EXPECT_EQ(m->nfat, 2);
  EXPECT_FLOAT_EQ(m->thfat[1], 4.5f);
  // A table is given class by class: rf[r][k] is parameter r of class k.
  EXPECT_FLOAT_EQ(m->rf[0][1], 0.2f);
  EXPECT_FLOAT_EQ(m->rf[1][2], 0.03f);
  EXPECT_FLOAT_EQ(m->rf[2][0], 3.5f);
  EXPECT_EQ(m->nprot, 1);
  EXPECT_FLOAT_EQ(m->rp[2][1], 3.6f);
  EXPECT_FLOAT_EQ(m->sigmaprot, 0.12f);
  EXPECT_EQ(m->nSCC, 3);
  EXPECT_FLOAT_EQ(m->tSCC[1], 300000.0f);
  // System 5 takes its cell-count prices from the factor section.
  EXPECT_FLOAT_EQ(m->facSCC[0], 1.02f);
  EXPECT_FLOAT_EQ(m->prSCC[0], 0.02f);
  EXPECT_FLOAT_EQ(m->prSCC[2], -0.04f);
  EXPECT_FLOAT_EQ(m->sigmaa30, 9.0f);
  EXPECT_FLOAT_EQ(m->RCT, 17.0f);
  EXPECT_EQ(m->na30, 1);
  EXPECT_FLOAT_EQ(m->ra30[1][1], 0.0f);
  EXPECT_FLOAT_EQ(m->ra30[0][1], 0.003f);
  EXPECT_EQ(m->nRCT, 2);
  EXPECT_FLOAT_EQ(m->rRCT[2][1], 17.5f);

  // Scalars run on in one line; vector items start a line with their texts;
  // tables put one class per line under their texts.
  const std::string out = t.results();
  const std::string head = " Base price    (MU per kg):      0.3200  Fat limits    (count):  2 \n";
  EXPECT_EQ(out.substr(0, head.size()), head);
  EXPECT_NE(out.find("\nFat class limits    (per cent):  3.50  4.50 Protein limits"), std::string::npos) << out;
  EXPECT_NE(out.find("\nFat payment    (a b x0):"
                     "\n            0.100   0.010   3.500"
                     "\n            0.200   0.020   4.000"
                     "\n            0.300   0.030   4.500\nProtein payment"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\nCell limits    (cells per ml):  150000  300000\nCell factors"), std::string::npos) << out;
  EXPECT_NE(out.find("\nCell factors    (factor, MU):"
                     "\n              1.020     0.020"
                     "\n              1.000     0.000"
                     "\n              0.900    -0.040 Mean a30"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\nRCT payment    (p):"
                     "\n             0.004000    0.000000   15.000000"
                     "\n             0.002000    0.000000   17.500000"
                     "\n             0.000000    0.000000   20.000000\n\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.substr(out.size() - 2), "\n\n");
}

TEST_F(MilkPayment, BasePriceOnlyReadsTheCoagulationMeansButNoClasses) {
  m->nSCC = 5;
  m->na30 = 4;
  m->prSCC[0] = 9.0f;
  EXPECT_EQ(read(1, 1, 0), "\nEND");
  EXPECT_FLOAT_EQ(m->prmilkb, 0.32f);
  EXPECT_EQ(m->nfat, -1);
  EXPECT_EQ(m->nprot, -1);
  EXPECT_EQ(m->nSCC, 1);
  EXPECT_FLOAT_EQ(m->thfat[0], 0.0f);
  EXPECT_FLOAT_EQ(m->prSCC[0], 9.0f);  // no cell-count prices read
  // Section 6 depends on ind_a30 alone; section 8 also on the payment system.
  EXPECT_FLOAT_EQ(m->a30, 35.0f);
  EXPECT_FLOAT_EQ(m->sigmaa30, 9.0f);
  EXPECT_FLOAT_EQ(m->RCT, 0.0f);
  EXPECT_EQ(m->na30, 4);
  EXPECT_EQ(t.results(), " Base price    (MU per kg):      0.3200  Mean a30    (mm):     35.0000  Sd a30    (mm):      9.0000 \n\n");
}

TEST_F(MilkPayment, CellCountClassesWithoutBasePrice) {
  m->prmilkb = 5.0f;
  EXPECT_EQ(read(2, 0, 0), "\nEND");
  EXPECT_FLOAT_EQ(m->prmilkb, 0.0f);
  EXPECT_EQ(m->nfat, -1);
  EXPECT_EQ(m->nSCC, 3);
  EXPECT_FLOAT_EQ(m->mSCS, 3.1f);
  EXPECT_FLOAT_EQ(m->prSCC[1], 0.08f);  // from the price section
  EXPECT_FLOAT_EQ(m->facSCC[0], 0.0f);
  EXPECT_NE(t.results().find("\nCell prices    (MU):  0.0700  0.0800  0.0900\n\n"), std::string::npos) << t.results();
}

TEST_F(MilkPayment, ContentClassesWithoutCellCountAndOnlyOneCoagulationTrait) {
  m->nSCC = 5;
  m->na30 = 7;
  EXPECT_EQ(read(3, 0, 1), "\nEND");
  EXPECT_EQ(m->nSCC, 1);
  EXPECT_FLOAT_EQ(m->mSCS, 0.0f);
  EXPECT_EQ(m->nfat, 2);
  EXPECT_FLOAT_EQ(m->sigmafat, 0.25f);
  EXPECT_EQ(m->na30, 7);
  EXPECT_EQ(m->nRCT, 2);
  EXPECT_FLOAT_EQ(m->thRCT[1], 20.0f);
  EXPECT_EQ(t.results().find("a30"), std::string::npos);
}

TEST_F(MilkPayment, ComponentsAndCellPricesTakeTheirPricesFromSectionFour) {
  EXPECT_EQ(read(4, 0, 0), "\nEND");
  EXPECT_FLOAT_EQ(m->prmilkb, 0.0f);
  EXPECT_EQ(m->nprot, 1);
  EXPECT_EQ(m->nSCC, 3);
  EXPECT_FLOAT_EQ(m->prSCC[0], 0.07f);
  EXPECT_FLOAT_EQ(m->facSCC[0], 0.0f);
}

TEST_F(MilkPayment, NoFatLimitsGiveATableOfOneClass) {
  replace_in_file("INPUT28.TXT", "2 \"Fat limits\"", "0 \"Fat limits\"");
  replace_in_file("INPUT28.TXT", "0.1 0.01 3.5 0.2 0.02 4.0 0.3 0.03 4.5", "0.1 0.01 3.5");
  EXPECT_EQ(read(3, 0, 0), "\nEND");
  EXPECT_EQ(m->nfat, 0);
  EXPECT_FLOAT_EQ(m->thfat[0], 0.0f);
  EXPECT_FLOAT_EQ(m->rf[2][0], 3.5f);
  EXPECT_FLOAT_EQ(m->rf[0][1], 0.0f);
  EXPECT_NE(t.results().find("(count):  0  Protein limits"), std::string::npos) << t.results();
  EXPECT_NE(t.results().find("\nFat payment    (a b x0):\n            0.100   0.010   3.500\nProtein payment"),
            std::string::npos)
      << t.results();
}

TEST_F(MilkPayment, FatNotPaidForSkipsLimitsAndTable) {
  replace_in_file("INPUT28.TXT", "2 \"Fat limits\"", "-1 \"Fat limits\"");
  EXPECT_EQ(read(3, 0, 0), "\nEND");
  EXPECT_EQ(m->nfat, -1);
  EXPECT_FLOAT_EQ(m->thfat[0], 0.0f);
  EXPECT_FLOAT_EQ(m->rf[0][0], 0.0f);
  EXPECT_FLOAT_EQ(m->rp[0][1], 0.5f);
  EXPECT_EQ(t.results().find("Fat class limits"), std::string::npos);
  EXPECT_EQ(t.results().find("Fat payment"), std::string::npos);
}

TEST_F(MilkPayment, OneCellClassHasNoLimitsAndOnePrice) {
  replace_in_file("INPUT28.TXT", "3 \"Cell classes\"", "1 \"Cell classes\"");
  replace_in_file("INPUT28.TXT", "150000 300000 \"Cell limits\"", "\"Cell limits\"");
  replace_in_file("INPUT28.TXT", "0.07 0.08 0.09", "0.07");
  EXPECT_EQ(read(2, 0, 0), "\nEND");
  EXPECT_EQ(m->nSCC, 1);
  EXPECT_FLOAT_EQ(m->tSCC[0], 0.0f);
  EXPECT_FLOAT_EQ(m->prSCC[0], 0.07f);
  EXPECT_NE(t.results().find("\nCell limits    (cells per ml):\nCell prices    (MU):  0.0700\n\n"), std::string::npos)
      << t.results();
}

// Class counts beyond the tables stop the program naming the file and item.
using MilkPaymentDeathTest = MilkPayment;

TEST_F(MilkPaymentDeathTest, ClassCountsOutsideTheTablesStop) {
  struct Case {
    const char* from;
    const char* to;
    int milkprice;
    const char* message;
  };
  const Case cases[] = {
      {"2 \"Fat limits\"", "10 \"Fat limits\"", 3, "INPUT28.TXT, the value 10 of nfat .* -1 to 9"},
      {"1 \"Protein limits\"", "-2 \"Protein limits\"", 4, "INPUT28.TXT, the value -2 of nprot .* -1 to 9"},
      {"3 \"Cell classes\"", "8 \"Cell classes\"", 5, "INPUT28.TXT, the value 8 of nSCC .* 1 to 7"},
      {"3 \"Cell classes\"", "0 \"Cell classes\"", 2, "INPUT28.TXT, the value 0 of nSCC .* 1 to 7"},
      {"1 \"a30 limits\"", "11 \"a30 limits\"", 3, "INPUT28.TXT, the value 11 of na30 .* -1 to 9"},
      {"2 \"RCT limits\"", "-3 \"RCT limits\"", 5, "INPUT28.TXT, the value -3 of nRCT .* -1 to 9"},
  };
  for (const Case& c : cases) {
    write_file("INPUT28.TXT", kInput28);
    replace_in_file("INPUT28.TXT", c.from, c.to);
    EXPECT_EXIT(
        {
          dup2(2, 1);
          read(c.milkprice, 1, 1);
        },
        ::testing::ExitedWithCode(0), c.message)
        << c.to;
  }
}

// Every example holds all nine sections, so each payment system reads its
// INPUT28.TXT through to the end whatever the options.
TEST(MilkPaymentExamples, EveryPaymentSystemReadsTheWholeFile) {
  for (const char* name : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    if (!std::filesystem::is_directory(std::string(ZELVAN_EXAMPLES) + "/" + name)) continue;
    ScratchDir dir;
    copy_example(name);
    for (int milkprice = 1; milkprice <= 5; ++milkprice) {
      for (int coagulation = 0; coagulation <= 1; ++coagulation) {
        auto m = new_model();
        TestIo t;
        m->milkprice = milkprice;
        m->ind_a30 = coagulation;
        m->ind_RCT = coagulation;
        TextIn in = open_text("INPUT28.TXT");
        read_input28(*m, t.io, in);
        const std::string left = rest(in);
        close_text(in);
        EXPECT_EQ(left.find_first_not_of(" \t\r\n"), std::string::npos)
            << name << ", milkprice " << milkprice << ": left unread: " << left;
        EXPECT_GE(m->nSCC, 1);
        EXPECT_EQ(t.results().substr(t.results().size() - 2), "\n\n");
      }
    }
  }
}

}  // namespace
}  // namespace zelvan
