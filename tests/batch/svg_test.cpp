#include "batch/svg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <vector>

#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

// Elements open and close in order and attribute values are quoted: a small
// check of well-formed XML, enough for what the charts hold.
bool well_formed(const std::string& svg) {
  static const std::regex tag(R"(<(/?)([A-Za-z][\w:-]*)((?:\s+[\w:-]+="[^"<]*")*)\s*(/?)>)");
  std::vector<std::string> open;
  std::size_t pos = svg.find("?>") + 2, elements = 0;
  for (auto it = std::sregex_iterator(svg.begin() + pos, svg.end(), tag); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    ++elements;
    if (m[1] == "/") {
      if (open.empty() || open.back() != m[2]) return false;
      open.pop_back();
    } else if (m[4] != "/") {
      open.push_back(m[2]);
    }
  }
  // Every '<' in the text belongs to a tag the pattern took.
  std::size_t lt = 0;
  for (char c : svg) lt += c == '<';
  return open.empty() && elements > 0 && lt == elements + 1;
}

RunResult sample() {
  RunResult r;
  const struct {
    int t;
    const char* name;
    double rel;
  } rows[] = {{31, "Milk yield", 42.5}, {9, "Daily gain in fattening", 12.0}, {11, "Cow losses & culling", -20.25},
              {5, "Birth weight of calves", -3.5}, {34, "Protein content", 22.0}};
  for (const auto& x : rows) {
    TraitRow row;
    row.number = x.t;
    row.name = x.name;
    row.relative_calves = x.rel;
    r.traits.push_back(row);
  }
  return r;
}

// The bar chart is well formed, its bars are sorted, and every bar is as
// long as its weight on one scale.
TEST(BatchSvg, BarChartWellFormedWithProportionalBars) {
  const std::string svg = relative_weights_svg(sample(), "test <system>");
  EXPECT_TRUE(well_formed(svg)) << svg;
  static const std::regex bar(R"re(<rect class="bar" data-trait="(\d+)" data-value="([-0-9.]+)" x="[-0-9.]+" y="[-0-9.]+" width="([0-9.]+)")re");
  std::vector<std::pair<double, double>> bars;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), bar); it != std::sregex_iterator(); ++it)
    bars.emplace_back(std::stod((*it)[2]), std::stod((*it)[3]));
  ASSERT_EQ(bars.size(), 5u);
  const double scale = bars[0].second / std::fabs(bars[0].first);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    EXPECT_NEAR(bars[i].second, std::fabs(bars[i].first) * scale, 0.02) << i;
    if (i > 0) {
      EXPECT_LE(bars[i].first, bars[i - 1].first);
    }
  }
  for (const char* label : {"Relative economic weight, per cent", "production", "functional", "beef",
                            "11 Cow losses &amp; culling"})
    EXPECT_NE(svg.find(label), std::string::npos) << label;
  const std::string levels = trait_levels_svg("31 Milk yield", "per kg", "prmilkb",
                                              {{0.30, 0.12, "pure-bred"}, {0.36, 0.17, "pure-bred"},
                                               {0.30, 0.05, "cross-bred"}, {0.36, 0.07, "cross-bred"}});
  EXPECT_TRUE(well_formed(levels)) << levels;
  EXPECT_NE(levels.find("prmilkb"), std::string::npos);
  EXPECT_NE(levels.find("Economic weight, MU per kg"), std::string::npos);
}

// Headless Chromium draws the chart (when it is installed): the picture has
// the chart's size and is not blank.
TEST(BatchSvg, ChromiumRendersTheChart) {
  if (std::system("command -v chromium > /dev/null 2>&1") != 0) GTEST_SKIP() << "chromium is not installed";
  const auto dir = scratch("chromium");
  const std::string svg = (dir / "chart.svg").string(), png = (dir / "chart.png").string();
  write_file(svg, relative_weights_svg(sample(), "sample"));
  const std::string cmd = "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,300 "
                          "--screenshot=" + png + " file://" + svg + " > /dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const std::string image = read_file(png);
  ASSERT_GT(image.size(), 2000u);
  EXPECT_EQ(image.substr(1, 3), "PNG");
}

}  // namespace
}  // namespace zelvan::batch::test
