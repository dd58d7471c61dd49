#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>

#include "batch/results.h"
#include "input/textio.h"
#include "weights/economic_weights.h"

namespace zelvan::batch::test {
namespace {

// The weight tables as the results writer prints them for the state m,
// behind some text that stands for the earlier sections of the file.
std::string written(const Model& m) {
  TextIn in = open_weight_table_blocks(m, ZELVAN_TEMPLATE);
  const std::string s = captured([&](std::FILE* f) {
    std::fputs("3. Results of the base run\n   12.5000  -  7\n", f);
    ResultsWriter w(m, in, f);
    write_weight_tables(w);
  });
  close_text(in);
  return s;
}

// Weights of both signs, negligible ones, ones wider than their field and
// quotients the model could not form.
float any_weight(std::mt19937& rng) {
  static const float kOdd[] = {0.0f, 5e-7f, -5e-7f, -12345678.9f, 1234567.875f, NAN, INFINITY};
  std::uniform_int_distribution<int> pick(0, 9);
  const int k = pick(rng);
  if (k < 7 && pick(rng) < 3) return kOdd[k];
  return std::uniform_real_distribution<float>(-150.0f, 150.0f)(rng);
}

void fill_weights(Model& m, std::mt19937& rng) {
  static const int kUnlisted[] = {14, 15, 16, 17, 19, 20, 21, 22, 24, 25};
  for (int t = 1; t <= kTraitNumbers; ++t) {
    m.to[t] = rng() % 5 == 0 ? 1 : 2;
    m.delta_d[t] = static_cast<int>(rng() % 2);
    m.delta_m[t] = static_cast<int>(rng() % 2);
    for (int j = 0; j < 3; ++j) m.ew[t][j] = any_weight(rng);
    m.ew_d[t] = any_weight(rng);
    m.ew_m[t] = any_weight(rng);
    for (float* x : {&m.ewr_dd[t], &m.ewr_mm[t], &m.ewr_da[t], &m.ewr_ma[t]}) *x = std::fabs(any_weight(rng));
  }
  for (int t : kUnlisted) m.to[t] = 0;
  m.ewsum_m = rng() % 3 == 0 ? 0.0f : 42.0f;
  m.nwarn = static_cast<int>(rng() % 2);
  m.ewwarn[0][0] = 3;
  m.ewwarn[0][1] = 1;
  m.ewwarn[0][2] = kNoCalves;
}

// Printed with %12.4f or %10.3f: the number read is the printed rounding.
void expect_read_as_printed(const WeightLine& read, const WeightLine& model) {
  const double half = model.table == WeightTable::per_cow_year || model.table == WeightTable::components ? 5e-5 : 5e-4;
  for (int c = 0; c < weight_cells(model.table).n; ++c) {
    if (((model.present >> c) & 1) == 0) continue;
    const double v = model.value[c];
    if (!std::isfinite(v)) {
      EXPECT_TRUE(std::isnan(read.value[c])) << c;
    } else {
      EXPECT_NEAR(read.value[c], v, half * (1 + 1e-7 * std::fabs(v) / half)) << c;
    }
  }
}

// Every option combination the tables depend on, with random weights: the
// reader gives back exactly the lines the writer printed, in order, with
// their cells, and every number as printed.
TEST(WeightTables, ReadBackAsWrittenInEveryConfiguration) {
  std::mt19937 rng(2026);
  int lines = 0;
  for (int cb = 0; cb <= 1; ++cb)
    for (int ewopt = 0; ewopt <= 2; ++ewopt)
      for (int utifemcr : {1, 3})
        for (int gstd = 1; gstd <= 3; ++gstd)
          for (int draw = 0; draw < 3; ++draw) {
            auto m = std::make_unique<Model>();
            init_model(*m);
            m->cb = cb;
            m->ewopt = ewopt;
            m->utifemcr = utifemcr;
            m->gstd = gstd;
            fill_weights(*m, rng);
            SCOPED_TRACE(::testing::Message() << "cb " << cb << " ewopt " << ewopt << " utifemcr " << utifemcr
                                            << " gstd " << gstd << " draw " << draw);
            const WeightTables read = read_weight_tables(*m, written(*m), ZELVAN_TEMPLATE, "RESULTS.TXT");
            std::size_t i = 0;
            for (const WeightStep& s : weight_steps(*m)) {
              if (s.kind != WeightStep::trait_lines) continue;
              for (int t = 1; t <= kTraitNumbers; ++t) {
                const WeightLine expect = weight_line(*m, s.table, t);
                if (!trait_listed(*m, t) || !expect.shown) continue;
                ASSERT_LT(i, read.lines.size());
                const WeightLine& got = read.lines[i++];
                ASSERT_EQ(got.table, s.table);
                ASSERT_EQ(got.trait, t);
                EXPECT_EQ(got.present, expect.present);
                expect_read_as_printed(got, expect);
              }
            }
            EXPECT_EQ(i, read.lines.size());
            EXPECT_EQ(read.labels.at(31), "Milk yield, per kg per lactation");
            lines += static_cast<int>(i);
          }
  EXPECT_GT(lines, 2000);
}

// A file that does not follow the tables is refused, not half read.
TEST(WeightTables, RefuseAFileThatDoesNotFollowThem) {
  auto m = std::make_unique<Model>();
  init_model(*m);
  std::mt19937 rng(5);
  fill_weights(*m, rng);
  m->to[1] = 2;
  m->ew[1][0] = 2.5f;
  m->ew[1][1] = m->ew[1][2] = 0.0f;
  const std::string text = written(*m);
  const std::string line = "\n      2.5000";
  const std::size_t at = text.find(line);
  ASSERT_NE(at, std::string::npos);
  struct Case {
    std::string text;
    const char* why;
  } cases[] = {
      {text.substr(0, text.find("\n4.2 ")), "label block of the weight tables is missing"},
      {text.substr(0, at) + "\n      2.50  " + text.substr(at + line.size()), "does not read back as written"},
      {text.substr(0, at) + "\n      2.5x00" + text.substr(at + line.size()), "holds \"2.5x00\""},
  };
  for (const Case& c : cases) {
    try {
      read_weight_tables(*m, c.text, ZELVAN_TEMPLATE, "RESULTS.TXT");
      ADD_FAILURE() << c.why;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("RESULTS.TXT: ", 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace zelvan::batch::test
