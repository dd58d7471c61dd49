// Discounting and profit over whole base runs of the bundled examples:
// properties a farm economist would check, re-computed in long double.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "input/readers.h"
#include "run/driver.h"
#include "test_support.h"
#include "weights/profit.h"

namespace zelvan {
namespace {

using namespace testing_support;

const char* const kExamples[] = {"holstein", "holstein-beef-cross", "beef-sire"};

// The base run of an example in the current directory, after `edit` has
// changed the state left by the input.
std::unique_ptr<Model> base_run(const char* example, const std::function<void(Model&)>& edit = {}) {
  return run_example(example, edit, run_model);
}

// Without interest every expression counts at its full number of animals,
// whenever it is realised.
TEST(Discounting, NoInterestCountsEveryAnimalOnce) {
  for (const char* example : kExamples) {
    SCOPED_TRACE(example);
    ScratchDir dir;
    auto m = base_run(example, [](Model& s) { s.u = 0; });
    int priced = 0;
    for (int i = 1; i < m->i4; ++i) {
      if (m->rev[i] > 0) {
        EXPECT_EQ(m->NDEr[i], m->l1[i]) << i;
        ++priced;
      }
      if (m->cost[i] > 0) {
        EXPECT_EQ(m->NDEc[i], m->l1[i]) << i;
        ++priced;
      }
    }
    EXPECT_GT(priced, 20);
    EXPECT_TRUE(std::isfinite(m->Tprof));
  }
}

// Milk sold per cow and year: the cycles' milk less the milk discarded for
// mastitis, over the herd states that bring milk (not the empty cows).
long double milk_sold_per_cow_and_year(const Model& m) {
  long double kg = 0;
  for (int e = 25; e <= m.CC; ++e) {
    if ((e - 25) % 6 == 4) continue;
    kg += static_cast<long double>(m.l2[e - 24]) * (m.milksum[e] - (m.mast_inc == 1 ? m.discow[e] : 0.0f));
  }
  return kg * 365 / m.ciav;
}

// Paid on the base price alone and without interest, one MU more per kg of
// milk raises the profit by the milk sold per cow and year.
TEST(Profit, BasePriceRaisesProfitByTheMilkSold) {
  for (const char* example : kExamples) {
    SCOPED_TRACE(example);
    ScratchDir dir;
    const auto setup = [](float raise) {
      return [raise](Model& s) { s.u = 0, s.milkprice = 1, s.prmilkb += raise; };
    };
    auto low = base_run(example, setup(0));
    auto high = base_run(example, setup(1));
    const long double sold = milk_sold_per_cow_and_year(*low);
    EXPECT_GT(sold, 5000);
    EXPECT_NEAR(high->Tprof - low->Tprof, sold, 1e-5 * std::fabs(low->Trev) + 0.05);
  }
}

}  // namespace
}  // namespace zelvan
