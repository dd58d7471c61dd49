// Economic weights of the whole schedule against difference quotients formed
// here from separate runs of the model with the trait's quantity edited in
// memory; standardisation of weights that sum to zero.
#include "weights/economic_weights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "run/driver.h"
#include "run/schedule.h"
#include "test_support.h"
#include "weights/score_traits.h"

namespace zelvan {
namespace {

using namespace testing_support;
using LD = long double;

std::unique_ptr<Model> clone(const Model& m) { return std::make_unique<Model>(m); }

void quiet_run(Model& m) {
  ::testing::internal::CaptureStdout();
  run_model(m);
  ::testing::internal::GetCapturedStdout();
}

// One example taken through its whole schedule, kept for all tests.
struct Scheduled {
  std::unique_ptr<Model> input;     // state after the input, before any run
  std::unique_ptr<Model> done;      // state at the final slot
};

const Scheduled& scheduled(const std::string& example) {
  static std::map<std::string, Scheduled> cache;
  Scheduled& s = cache[example];
  if (s.input) return s;
  ScratchDir dir;
  s.input = run_example(example.c_str(), {}, [](Model&) {});
  s.done = clone(*s.input);
  ::testing::internal::CaptureStdout();
  do {
    run_model(*s.done);
  } while (schedule_step(*s.done) == Next::run);
  ::testing::internal::GetCapturedStdout();
  return s;
}

// --- Difference quotients from separate runs ----------------------------------

// The base run, then one run with the trait's quantity edited.
std::unique_ptr<Model> changed_run(const Model& input, int trait, int j, double amount,
                                   void (*edit)(Model&, int, double)) {
  auto m = clone(input);
  quiet_run(*m);
  m->trait = trait;  // the progeny phase completes the change of the calf losses itself
  m->irun = 2;
  edit(*m, j, amount);
  quiet_run(*m);
  return m;
}

enum class Kind { relative, additive, score };

struct Case {
  const char* example;
  int trait;
  int j;
  Kind kind;
  LD k;                                          // unit factor of the trait
  bool quota;                                    // milk-quota corrected (the example has a quota)
  void (*edit)(Model&, int j, double amount);    // sets the quantity from its base value
  float (*value)(const Model&, int j, double amount);  // the trait's value in the run
  float (*loss)(const Model&);                   // disease loss replacing the profit, or nullptr
  int derived;                                   // derived trait, or 0
  float (*per)(const Model&);                    // its quantity
};

void scale(float& x, double f) { x = static_cast<float>(f * x); }

const Case kCases[] = {
    {"holstein", 5, 0, Kind::relative, 1, false, [](Model& m, int j, double f) { scale(m.bwf[j], f); },
     [](const Model& m, int j, double) { return m.bwf[j]; }, nullptr, 0, nullptr},
    {"holstein", 11, 0, Kind::relative, 0.01L, false,
     [](Model& m, int, double f) {
       for (int c = 1; c <= m.LL; ++c) scale(m.pp[6 * c + 19], f), scale(m.culh[c - 1], f);
     },
     [](const Model& m, int, double) { return m.losc; }, nullptr, 29, [](const Model& m) { return m.avelifecy; }},
    {"holstein", 37, 0, Kind::relative, 1, false,
     [](Model& m, int, double f) {
       for (int i = 0; i < m.LL; ++i) scale(m.ircmy[i], f);
       for (auto& row : m.dmi)
         for (float& x : row) scale(x, f);
     },
     [](const Model& m, int, double) { return m.ymi; }, [](const Model& m) { return m.losstotal; }, 0, nullptr},
    {"holstein", 45, 0, Kind::additive, 1, false,
     [](Model& m, int, double a) { m.rfi[30] = static_cast<float>(m.rfi[30] + a); },
     [](const Model& m, int, double) { return m.rfi[30]; }, nullptr, 0, nullptr},
    {"holstein", 24, 0, Kind::score, 0.01L, false,
     [](Model& m, int j, double a) {
       save_score_distribution(m, 24, j);
       shift_score_thresholds(m, 24, j, a);
     },
     [](const Model& m, int, double a) { return a < 0 ? m.tvh : m.tvl; }, nullptr, 0, nullptr},
    {"holstein-beef-cross", 30, 1, Kind::relative, 0.001L, true,
     [](Model& m, int j, double f) { scale(m.adgcf[j], f); },
     [](const Model& m, int j, double) { return m.adgcf[j]; }, nullptr, 0, nullptr},
    {"holstein-beef-cross", 2, 0, Kind::relative, 0.01L, false,
     [](Model& m, int j, double f) { scale(m.calfloss[j], f); },
     [](const Model& m, int j, double) { return m.calfloss[j]; }, nullptr, 0, nullptr},
    {"holstein-beef-cross", 13, 0, Kind::relative, 0.01L, true,
     [](Model& m, int, double f) { scale(m.ecrinc[0], f); },
     [](const Model& m, int, double) { return m.ecrinc[0]; }, nullptr, 41, [](const Model& m) { return m.ciav; }},
};

// Raised and lowered amounts of the two pairs of runs.
double amount(Kind kind, int pair, int side) {
  const double step = pair == 0 ? 0.01 : 0.005;
  const double sign = side == 0 ? 1.0 : -1.0;
  if (kind == Kind::relative) return 1.0 + sign * step;
  if (kind == Kind::additive) return sign * step * 10;
  return -sign * step * 10;  // lower thresholds raise the mean score
}

// Profit difference less the milk-quota share of the base profit, per unit
// of the denominator; 0 where nothing moved.
LD quotient(const Model& base, const Model& h, const Model& l, bool quota, LD dprofit, LD denominator) {
  if (denominator == 0 || (quota && base.milktot == 0)) return 0;
  LD w = dprofit / denominator;
  if (quota) w -= (LD(h.milktot) - l.milktot) / denominator / base.milktot * base.Tprof;
  return w;
}

// Within 1e-4 of the size of the terms (the model forms them in f32).
void expect_weight(float stored, LD expected, LD terms, const std::string& what) {
  EXPECT_NEAR(stored, static_cast<double>(expected), static_cast<double>(1e-4L * terms + 1e-6L)) << what;
}

TEST(EconomicWeights, ScheduleAgreesWithSeparateRunsOfEachStepKind) {
  for (const Case& c : kCases) {
    const Scheduled& s = scheduled(c.example);
    auto base = clone(*s.input);
    quiet_run(*base);
    for (int pair = 0; pair < 2; ++pair) {
      const double up = amount(c.kind, pair, 0), down = amount(c.kind, pair, 1);
      const auto h = changed_run(*s.input, c.trait, c.j, up, c.edit);
      const auto l = changed_run(*s.input, c.trait, c.j, down, c.edit);
      const LD dv = LD(c.value(*h, c.j, up)) - c.value(*l, c.j, down);
      const LD dprofit = c.loss ? -(LD(c.loss(*h)) - c.loss(*l)) : LD(h->Tprof) - l->Tprof;
      const float(&stored)[NT][3] = pair == 0 ? s.done->ew0 : s.done->ew;
      const std::string what = std::string(c.example) + " trait " + std::to_string(c.trait) + " pair " +
                               std::to_string(pair);
      const LD w = c.k * quotient(*base, *h, *l, c.quota, dprofit, dv);
      expect_weight(stored[c.trait][c.j], w, std::fabs(c.k * dprofit / (dv == 0 ? 1 : dv)) + std::fabs(w), what);
      if (c.derived != 0) {
        const LD dav = LD(c.per(*h)) - c.per(*l);
        const LD wd = quotient(*base, *h, *l, c.quota, dprofit, dav);
        expect_weight(stored[c.derived][0], wd, std::fabs(dprofit / (dav == 0 ? 1 : dav)) + std::fabs(wd),
                      what + " derived");
      }
    }
  }
}

// --- Standardisation ------------------------------------------------------------

// Made-up weights for traits 2..5 with both components where marked.
std::unique_ptr<Model> made_up(int gstd) {
  auto m = new_model();
  m->gstd = gstd;
  const float ew_d[] = {0, 0, 3.0f, -1.0f, 0, 2.0f};
  const float ew_m[] = {0, 0, 0, 4.0f, -6.0f, 0};
  for (int t = 2; t <= 5; ++t) {
    m->to[t] = 2;
    m->delta_d[t] = ew_d[t] != 0;
    m->delta_m[t] = ew_m[t] != 0;
    m->ew_d[t] = ew_d[t];
    m->ew_m[t] = ew_m[t];
    m->gstd_d[t] = 0.5f * t;
    m->gstd_m[t] = 0.25f * t;
    m->ew[t][0] = ew_d[t] + ew_m[t];
    m->ew[t][1] = 10.0f * t;
  }
  for (int t = 6; t < NT; ++t) m->to[t] = 1;
  m->to[1] = 1;
  return m;
}

TEST(Standardisation, WeightsThatSumToZeroStayZeroWithAWarning) {
  auto m = made_up(2);
  for (float& x : m->ew_d) x = 0.0f;
  for (float& x : m->ew_m) x = 0.0f;
  standardise_weights(*m);
  for (int t = 1; t < NT; ++t) EXPECT_TRUE(m->ewr_dd[t] == 0.0f && m->ewr_da[t] == 0.0f) << t;
  ASSERT_GT(m->nwarn, 0);
  EXPECT_EQ(m->ewwarn[0][0], 2);
  m->to[2] = 1;  // a trait switched off gets no warning
  warn_weight(*m, 2, 0, kTraitDoesNotMove);
  EXPECT_EQ(m->ewwarn[m->nwarn - 1][2], kSumZero);
}

}  // namespace
}  // namespace zelvan
