// Weights of traits that are sums of other traits' weights.
#include "weights/economic_weights.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zelvan {
namespace {

TEST(SumTraits, CalvingDifficultyIsOverwrittenCarcassClassesAccumulate) {
  auto m = testing_support::new_model();
  m->ja = 0;
  m->jb = 1;
  m->ew[1][0] = 99.0f;  // left from before: trait 1 is set, not added to
  m->ew[24][0] = 1.5f;
  m->ew[25][0] = 2.0f;
  m->ew0[24][1] = -1.0f;
  m->ew0[25][1] = 0.25f;
  sum_weights(*m, 1);
  EXPECT_EQ(m->ew[1][0], 3.5f);
  EXPECT_EQ(m->ew0[1][1], -0.75f);

  m->ew[18][1] = 1.0f;  // traits 18 and 23 add to what they hold
  for (int t = 14; t <= 17; ++t) m->ew[t][1] = static_cast<float>(t);
  for (int t = 19; t <= 22; ++t) m->ew0[t][0] = 1.0f;
  m->ew0[18][0] = 5.0f;  // the first classification does not take the second's weights
  sum_weights(*m, 18);
  sum_weights(*m, 23);
  EXPECT_EQ(m->ew[18][1], 1.0f + 14 + 15 + 16 + 17);
  EXPECT_EQ(m->ew0[18][0], 5.0f);
  EXPECT_EQ(m->ew0[23][0], 4.0f);
}

TEST(SumTraits, OnlyTheEvaluatedBreedIndicesAreSummed) {
  auto m = testing_support::new_model();
  m->ja = m->jb = 1;
  m->ew[14][0] = 2.0f;
  m->ew[14][1] = 3.0f;
  sum_weights(*m, 18);
  EXPECT_EQ(m->ew[18][0], 0.0f);
  EXPECT_EQ(m->ew[18][1], 3.0f);
}

}  // namespace
}  // namespace zelvan
