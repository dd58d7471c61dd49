// Class counts of INPUT28.TXT (milk payment) beyond the model's tables.
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

class MilkPaymentDeathTest : public ::testing::Test {
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

}  // namespace
}  // namespace zelvan
