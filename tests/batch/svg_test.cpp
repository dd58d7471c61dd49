#include "batch/svg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <algorithm>
#include <vector>

#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

// Value of attribute `name` in the tag starting at `at`.
std::string attribute(const std::string& svg, std::size_t at, const std::string& name) {
  const std::size_t end = svg.find('>', at), p = svg.find(" " + name + "=\"", at);
  if (p == std::string::npos || p > end) return {};
  const std::size_t v = p + name.size() + 3;
  return svg.substr(v, svg.find('"', v) - v);
}

// Elements open and close in order, attribute values are quoted and no '<'
// or '&' stands loose in a text: a small check of well-formed XML, enough
// for what the charts hold.
bool well_formed(const std::string& svg) {
  std::vector<std::string> open;
  std::size_t pos = svg.find("?>");
  if (svg.rfind("<?xml", 0) != 0 || pos == std::string::npos) return false;
  for (pos = svg.find('<', pos); pos != std::string::npos; pos = svg.find('<', pos + 1)) {
    const std::size_t end = svg.find('>', pos);
    if (end == std::string::npos) return false;
    std::string tag = svg.substr(pos + 1, end - pos - 1);
    if (std::count(tag.begin(), tag.end(), '"') % 2 != 0 || tag.find('<') != std::string::npos) return false;
    const bool closing = tag[0] == '/', empty = tag.back() == '/';
    const std::string name = tag.substr(closing, tag.find_first_of(" />", closing) - closing);
    if (closing) {
      if (open.empty() || open.back() != name) return false;
      open.pop_back();
    } else if (!empty) {
      open.push_back(name);
    }
    const std::size_t next = svg.find('<', end);
    const std::string text = svg.substr(end + 1, next == std::string::npos ? std::string::npos : next - end - 1);
    for (std::size_t amp = text.find('&'); amp != std::string::npos; amp = text.find('&', amp + 1))
      if (text.find(';', amp) == std::string::npos) return false;
  }
  return open.empty();
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
  EXPECT_FALSE(well_formed(svg.substr(0, svg.rfind("</svg>"))));
  EXPECT_FALSE(well_formed(svg.substr(0, svg.rfind("</svg>")) + "<text>a & b</text></svg>"));
  std::vector<std::pair<double, double>> bars;
  for (std::size_t at = svg.find("<rect class=\"bar\""); at != std::string::npos;
       at = svg.find("<rect class=\"bar\"", at + 1))
    bars.emplace_back(std::stod(attribute(svg, at, "data-value")), std::stod(attribute(svg, at, "width")));
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
