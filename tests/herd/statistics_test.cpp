#include "herd/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvan {
namespace {

// Standard normal density and distribution function, formed independently
// of the model's own forms.
double density(double z) { return std::exp(-0.5 * z * z) / std::sqrt(2.0 * 3.14159265358979323846); }
double cdf(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// Partial expectation of (y - x0) over [lo, hi] for y ~ N(mean, sd^2).
double partial_expectation(double mean, double sd, double lo, double hi, double x0) {
  const double alpha = (lo - mean) / sd, beta = (hi - mean) / sd;
  return sd * (density(alpha) - density(beta)) + (mean - x0) * (cdf(beta) - cdf(alpha));
}

TEST(Normdis, MatchesTabulatedValuesInBothTails) {
  EXPECT_NEAR(normdis(1.96), 0.9750021048517795, 1e-15);
  EXPECT_NEAR(normdis(-1.0), 0.15865525393145707, 1e-15);
  EXPECT_EQ(normdis(0.0), 0.5);
  for (double x = -8.0; x <= 8.0; x += 0.125) EXPECT_NEAR(normdis(x), cdf(x), 2e-16 + 1e-15 * cdf(x)) << x;
}

TEST(Probit, InvertsNormdisInsideAndOutsideTheStartingBracket) {
  EXPECT_NEAR(probit(0.975), 1.959963984540054, 1e-6);
  // Phi(-5) is about 2.9e-7: these need the bracket widened on either side.
  EXPECT_NEAR(probit(1e-8), -5.612001244174789, 1e-6);
  EXPECT_NEAR(probit(1.0 - 1e-8), 5.612001244174789, 1e-6);
  for (double p : {1e-6, 0.1, 0.5, 0.7, 0.999999}) EXPECT_NEAR(normdis(probit(p)), p, 1e-8 * density(probit(p))) << p;
}

TEST(Linregm, PaymentsOverTheClampedIntervalMatchTheNormalDistribution) {
  // A constant payment gives the probability of the interval. mean 4, sd 0.5:
  // hi = 10 is clamped to z = 4, lo = -50 to z = -4.
  EXPECT_NEAR(linregm(4.0f, 0.5f, 3.5f, 10.0f, 1.0f, 0.0f, 0.0f), cdf(4.0) - cdf(-1.0), 1e-7);
  EXPECT_NEAR(linregm(4.0f, 0.5f, -50.0f, 4.25f, 1.0f, 0.0f, 0.0f), cdf(0.5) - cdf(-4.0), 1e-7);
  EXPECT_NEAR(linregm(3.2f, 0.25f, 3.0f, 3.5f, -2.5f, 0.0f, 0.0f), -2.5 * (cdf(1.2) - cdf(-0.8)), 1e-6);
  // The linear part is the closed-form partial expectation.
  EXPECT_NEAR(linregm(4.1f, 0.6f, 3.5f, 5.0f, 0.0f, 1.0f, 3.8f), partial_expectation(4.1, 0.6, 3.5, 5.0, 3.8), 1e-6);
  // Lower bound clamped to mean - 4 sd; x0 above the mean.
  EXPECT_NEAR(linregm(3.4f, 0.2f, 0.0f, 3.5f, 0.0f, 1.0f, 3.6f), partial_expectation(3.4, 0.2, 2.6, 3.5, 3.6), 1e-6);
  // Coefficients of magnitude 1e-6 or less contribute nothing; 2e-6 does.
  for (float c : {1e-6f, -1e-6f}) {
    EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, c, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, 0.0f, c, 0.0f), 0.0f);
  }
  EXPECT_NEAR(linregm(4.0f, 0.5f, 3.0f, 5.0f, 0.0f, -2e-6f, 0.0f), -2e-6 * partial_expectation(4.0, 0.5, 3.0, 5.0, 0.0),
              1e-11);
}

TEST(Scs, ReferenceCountIsThreeAndEachDoublingAddsOne) {
  EXPECT_FLOAT_EQ(scs(100000.0f), 3.0f);
  EXPECT_FLOAT_EQ(scs(200000.0f), 4.0f);
  EXPECT_FLOAT_EQ(scs(50000.0f), 2.0f);
}

TEST(MaxiMini, KeepTheFirstArgumentOnTiesAndNaN) {
  EXPECT_EQ(maxi(1.5f, 3.0f), 3.0f);
  EXPECT_EQ(mini(3.0f, 1.5f), 1.5f);
  EXPECT_TRUE(std::signbit(maxi(-0.0f, 0.0f)));  // equal values told apart by the sign of zero
  EXPECT_TRUE(std::signbit(mini(-0.0f, 0.0f)));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(maxi(1.0f, nan), 1.0f);
  EXPECT_TRUE(std::isnan(mini(nan, 1.0f)));
}

}  // namespace
}  // namespace zelvan
