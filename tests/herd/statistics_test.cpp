#include "herd/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvan {
namespace {

// Standard normal density and distribution function computed independently
// of the model's own forms, as references.
double density(double z) {
  return std::exp(-0.5 * z * z) / std::sqrt(2.0 * 3.14159265358979323846);
}
double reference_cdf(double z) {
  return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

TEST(Normdis, MatchesTabulatedValuesAndIndependentForm) {
  EXPECT_NEAR(normdis(1.96), 0.9750021048517795, 1e-15);
  EXPECT_NEAR(normdis(-1.0), 0.15865525393145707, 1e-15);
  EXPECT_NEAR(normdis(-3.0), 0.0013498980316301, 1e-15);
  EXPECT_NEAR(normdis(2.5), 0.9937903346742238, 1e-15);
  EXPECT_EQ(normdis(0.0), 0.5);
  // Both branches, deep into both tails.
  for (double x = -8.0; x <= 8.0; x += 0.125) {
    EXPECT_NEAR(normdis(x), reference_cdf(x), 2e-16 + 1e-15 * reference_cdf(x)) << "x = " << x;
  }
}

TEST(Normdis, IsSymmetricAroundZero) {
  for (double x = 0.01; x <= 6.0; x += 0.37) {
    EXPECT_NEAR(normdis(-x), 1.0 - normdis(x), 2e-16) << "x = " << x;
  }
}

TEST(Probit, InvertsKnownQuantiles) {
  EXPECT_NEAR(probit(0.975), 1.959963984540054, 1e-6);
  EXPECT_NEAR(probit(0.025), -1.959963984540054, 1e-6);
  EXPECT_NEAR(probit(0.8413447460685429), 1.0, 1e-6);
  EXPECT_NEAR(probit(0.5), 0.0, 1e-11);
  for (double p : {1e-6, 0.001, 0.1, 0.3, 0.7, 0.95, 0.999999}) {
    const double z = probit(p);
    EXPECT_NEAR(normdis(z), p, 1e-8 * density(z) + 1e-16) << "p = " << p;
  }
}

TEST(Probit, FindsQuantilesOutsideTheStartingBracket) {
  // Phi(-5) is about 2.9e-7: these p lie outside [-5, 5] and need widening.
  const double low = probit(1e-8);
  EXPECT_LT(low, -5.0);
  EXPECT_NEAR(low, -5.612001244174789, 1e-6);
  const double high = probit(1.0 - 1e-8);
  EXPECT_GT(high, 5.0);
  EXPECT_NEAR(high, 5.612001244174789, 1e-6);
  EXPECT_NEAR(probit(1e-12), -7.034483825301131, 1e-6);
}

TEST(Linregm, ConstantPaymentGivesProbabilityOfClampedInterval) {
  // mean 4, sd 0.5: hi = 10 is clamped to 6 (z = 4), lo = 3.5 is z = -1.
  EXPECT_NEAR(linregm(4.0f, 0.5f, 3.5f, 10.0f, 1.0f, 0.0f, 0.0f),
              reference_cdf(4.0) - reference_cdf(-1.0), 1e-7);
  // lo = -50 is clamped to 2 (z = -4), hi = 4.25 is z = 0.5.
  EXPECT_NEAR(linregm(4.0f, 0.5f, -50.0f, 4.25f, 1.0f, 0.0f, 0.0f),
              reference_cdf(0.5) - reference_cdf(-4.0), 1e-7);
  // Both sides clamped; a scales the probability and may be negative.
  EXPECT_NEAR(linregm(3.2f, 0.25f, 0.0f, 100.0f, -2.5f, 0.0f, 0.0f),
              -2.5 * (reference_cdf(4.0) - reference_cdf(-4.0)), 1e-6);
  // Inside the four standard deviations nothing is clamped.
  EXPECT_NEAR(linregm(3.2f, 0.25f, 3.0f, 3.5f, 1.0f, 0.0f, 0.0f),
              reference_cdf(1.2) - reference_cdf(-0.8), 1e-6);
}

TEST(Linregm, LinearPaymentOverWideIntervalIsCentredOnMean) {
  EXPECT_NEAR(linregm(4.0f, 0.5f, -100.0f, 100.0f, 0.0f, 1.0f, 4.0f), 0.0, 1e-6);
  // Shifting x0 one unit below the mean adds one unit per probability.
  EXPECT_NEAR(linregm(4.0f, 0.5f, -100.0f, 100.0f, 0.0f, 1.0f, 3.0f),
              reference_cdf(4.0) - reference_cdf(-4.0), 1e-6);
}

// Partial expectation of (y - x0) over [lo, hi] for y ~ N(mean, sd^2).
double partial_expectation(double mean, double sd, double lo, double hi, double x0) {
  const double alpha = (lo - mean) / sd;
  const double beta = (hi - mean) / sd;
  return sd * (density(alpha) - density(beta)) +
         (mean - x0) * (reference_cdf(beta) - reference_cdf(alpha));
}

TEST(Linregm, LinearPaymentOverTruncatedIntervalMatchesClosedForm) {
  EXPECT_NEAR(linregm(4.1f, 0.6f, 3.5f, 5.0f, 0.0f, 1.0f, 3.8f),
              partial_expectation(4.1, 0.6, 3.5, 5.0, 3.8), 1e-6);
  // Lower bound clamped to mean - 4 sd; x0 above the mean.
  EXPECT_NEAR(linregm(3.4f, 0.2f, 0.0f, 3.5f, 0.0f, 1.0f, 3.6f),
              partial_expectation(3.4, 0.2, 2.6, 3.5, 3.6), 1e-6);
  // Both coefficients: a times probability plus b times partial expectation.
  const double expected = 0.7 * (reference_cdf(1.5) - reference_cdf(-0.5)) +
                          -2.0 * partial_expectation(4.1, 0.6, 3.8, 5.0, 4.0);
  EXPECT_NEAR(linregm(4.1f, 0.6f, 3.8f, 5.0f, 0.7f, -2.0f, 4.0f), expected, 2e-6);
}

TEST(Linregm, CoefficientsOfAtMostOneMillionthContributeNothing) {
  EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, 1e-6f, 0.0f, 0.0f), 0.0f);
  EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, -1e-6f, 0.0f, 0.0f), 0.0f);
  EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, 0.0f, 1e-6f, 0.0f), 0.0f);
  EXPECT_EQ(linregm(4.0f, 0.5f, 3.0f, 5.0f, 0.0f, -1e-6f, 0.0f), 0.0f);
  // Just above the threshold they count.
  EXPECT_NEAR(linregm(4.0f, 0.5f, 3.0f, 5.0f, 2e-6f, 0.0f, 0.0f),
              2e-6 * (reference_cdf(2.0) - reference_cdf(-2.0)), 1e-12);
  EXPECT_NEAR(linregm(4.0f, 0.5f, 3.0f, 5.0f, 0.0f, -2e-6f, 0.0f),
              -2e-6 * partial_expectation(4.0, 0.5, 3.0, 5.0, 0.0), 1e-11);
}

TEST(Scs, ReferenceCountIsThreeAndEachDoublingAddsOne) {
  EXPECT_FLOAT_EQ(scs(100000.0f), 3.0f);
  EXPECT_FLOAT_EQ(scs(200000.0f), 4.0f);
  EXPECT_FLOAT_EQ(scs(50000.0f), 2.0f);
  EXPECT_FLOAT_EQ(scs(400000.0f), 5.0f);
  EXPECT_NEAR(scs(12500.0f), 0.0f, 1e-6);
  EXPECT_NEAR(scs(300000.0f), 3.0 + std::log2(3.0), 1e-6);
}

TEST(MaxiMini, PickTheRightArgumentAndKeepTheFirstOnTiesAndNaN) {
  EXPECT_EQ(maxi(1.5f, 3.0f), 3.0f);
  EXPECT_EQ(maxi(3.0f, 1.5f), 3.0f);
  EXPECT_EQ(mini(1.5f, 3.0f), 1.5f);
  EXPECT_EQ(mini(3.0f, 1.5f), 1.5f);
  EXPECT_EQ(maxi(-2.0f, -7.0f), -2.0f);
  EXPECT_EQ(mini(-2.0f, -7.0f), -7.0f);

  // Equal values told apart by the sign of zero: the first comes back.
  EXPECT_TRUE(std::signbit(maxi(-0.0f, 0.0f)));
  EXPECT_FALSE(std::signbit(maxi(0.0f, -0.0f)));
  EXPECT_TRUE(std::signbit(mini(-0.0f, 0.0f)));
  EXPECT_FALSE(std::signbit(mini(0.0f, -0.0f)));

  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(std::isnan(maxi(nan, 1.0f)));
  EXPECT_TRUE(std::isnan(mini(nan, 1.0f)));
  EXPECT_EQ(maxi(1.0f, nan), 1.0f);
  EXPECT_EQ(mini(1.0f, nan), 1.0f);
}

}  // namespace
}  // namespace zelvan
