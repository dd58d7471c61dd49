#pragma once
// Charts as standalone SVG files, drawn for A4 width (800 user units).
#include <string>
#include <vector>

#include "batch/results.h"

namespace zelvan::batch {

// Relative weights of one run (per cent, per trait; the cow and calf
// components summed), sorted, as horizontal bars with trait names, coloured
// by trait group.
std::string relative_weights_svg(const RunResult& r, const std::string& title);

// One trait's weight per cow and year across the levels of a factor: one
// line per breed index and per combination of the other factors' levels
// (the series, named in the legend).
struct LevelPoint {
  double level;
  double weight;
  std::string series;
};
std::string trait_levels_svg(const std::string& trait, const std::string& unit, const std::string& factor,
                             const std::vector<LevelPoint>& points);

}  // namespace zelvan::batch
