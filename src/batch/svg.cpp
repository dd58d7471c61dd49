#include "batch/svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace zelvan::batch {

namespace {

constexpr double kWidth = 800;      // A4 width at about 96 user units per inch less margins
constexpr double kLabel = 340;      // space for the trait names
constexpr double kRight = 30;
constexpr double kRow = 22;
constexpr double kTop = 60;
constexpr double kBottom = 60;

const std::map<std::string, const char*> kGroupColour = {
    {"production", "#1f77b4"}, {"functional", "#2ca02c"}, {"beef", "#d62728"}};

std::string esc(const std::string& s) {
  std::string o;
  for (char c : s) {
    if (c == '&') o += "&amp;";
    else if (c == '<') o += "&lt;";
    else if (c == '>') o += "&gt;";
    else if (c == '"') o += "&quot;";
    else o += c;
  }
  return o;
}

std::string num(double x) {
  char b[32];
  std::snprintf(b, sizeof b, "%.2f", x);
  return b;
}

std::string tick(double x) {
  char b[32];
  std::snprintf(b, sizeof b, "%g", std::fabs(x) < 1e-12 ? 0.0 : x);
  return b;
}

std::string header(double height) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         num(kWidth) + "\" height=\"" + num(height) + "\" viewBox=\"0 0 " + num(kWidth) + " " + num(height) +
         "\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"12\">\n<rect width=\"100%\" height=\"100%\" "
         "fill=\"white\"/>\n";
}

std::string text(double x, double y, const std::string& s, const char* anchor = "start", int size = 12) {
  return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\" font-size=\"" +
         std::to_string(size) + "\">" + esc(s) + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const char* colour = "#444") {
  return "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) +
         "\" stroke=\"" + colour + "\" stroke-width=\"1\"/>\n";
}

// A tick step of 1, 2 or 5 times a power of ten giving about eight ticks.
double tick_step(double span) {
  if (!(span > 0)) return 1;
  const double raw = span / 8, p = std::pow(10.0, std::floor(std::log10(raw)));
  for (double f : {1.0, 2.0, 5.0, 10.0})
    if (raw <= f * p) return f * p;
  return 10 * p;
}

}  // namespace

std::string relative_weights_svg(const RunResult& r, const std::string& title) {
  struct Bar {
    int trait;
    std::string name;
    double value;
  };
  std::vector<Bar> bars;
  bool relative = false;
  for (const TraitRow& t : r.traits) relative = relative || t.relative_calves || t.relative_cows;
  for (const TraitRow& t : r.traits) {
    if (std::any_of(bars.begin(), bars.end(), [&](const Bar& b) { return b.trait == t.number; })) continue;
    if (relative ? !t.relative_calves && !t.relative_cows : !t.weight) continue;
    const double v = relative ? t.relative_calves.value_or(0) + t.relative_cows.value_or(0) : *t.weight;
    bars.push_back({t.number, t.name, v});
  }
  std::sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) { return a.value > b.value; });
  double lo = 0, hi = 0;
  for (const Bar& b : bars) {
    lo = std::min(lo, b.value);
    hi = std::max(hi, b.value);
  }
  if (hi - lo <= 0) hi = lo + 1;
  const double plot = kWidth - kLabel - kRight, scale = plot / (hi - lo);
  const double zero = kLabel + (0 - lo) * scale;
  const double height = kTop + kRow * static_cast<double>(bars.size()) + kBottom;
  std::string s = header(height);
  s += text(kWidth / 2, 24, "Relative economic weights: " + title, "middle", 16);
  double y = kTop;
  for (const Bar& b : bars) {
    const double w = std::fabs(b.value) * scale, x = b.value < 0 ? zero - w : zero;
    s += "<rect class=\"bar\" data-trait=\"" + std::to_string(b.trait) + "\" data-value=\"" + num(b.value) +
         "\" x=\"" + num(x) + "\" y=\"" + num(y + 3) + "\" width=\"" + num(w) + "\" height=\"" + num(kRow - 6) +
         "\" fill=\"" + kGroupColour.at(trait_group(b.trait)) + "\"/>\n";
    std::string name = std::to_string(b.trait) + " " + b.name;
    if (name.size() > 52) name = name.substr(0, 50) + "...";
    s += text(kLabel - 6, y + kRow - 7, name, "end", 11);
    y += kRow;
  }
  s += line(zero, kTop - 4, zero, y + 2);
  s += line(kLabel, y + 2, kLabel + plot, y + 2);
  const double step = tick_step(hi - lo);
  for (double t = std::ceil(lo / step) * step; t <= hi + 1e-9; t += step) {
    const double x = kLabel + (t - lo) * scale;
    s += line(x, y + 2, x, y + 7);
    s += text(x, y + 20, tick(t), "middle", 11);
  }
  s += text(kLabel + plot / 2, y + 42,
            relative ? "Relative economic weight, per cent" : "Economic weight, MU per unit and cow and year",
            "middle", 12);
  double lx = 20;
  for (const auto& [group, colour] : kGroupColour) {
    s += "<rect x=\"" + num(lx) + "\" y=\"36\" width=\"12\" height=\"12\" fill=\"" + colour + "\"/>\n";
    s += text(lx + 16, 46, group, "start", 11);
    lx += 110;
  }
  return s + "</svg>\n";
}

std::string trait_levels_svg(const std::string& trait, const std::string& unit, const std::string& factor,
                             const std::vector<LevelPoint>& points) {
  std::vector<std::string> series;  // in the order of their first point
  for (const LevelPoint& p : points)
    if (std::find(series.begin(), series.end(), p.series) == series.end()) series.push_back(p.series);
  const double left = 90, right = 30, top = 50, plot_h = 360;
  const double height = top + plot_h + 70 + 16 * static_cast<double>(series.size());
  const double plot_w = kWidth - left - right;
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  bool first = true;
  for (const LevelPoint& p : points) {
    x0 = first ? p.level : std::min(x0, p.level);
    x1 = first ? p.level : std::max(x1, p.level);
    y0 = first ? p.weight : std::min(y0, p.weight);
    y1 = first ? p.weight : std::max(y1, p.weight);
    first = false;
  }
  if (x1 - x0 <= 0) { x0 -= 1; x1 += 1; }
  if (y1 - y0 <= 0) { y0 -= 1; y1 += 1; }
  const double pad = (y1 - y0) * 0.08;
  y0 -= pad;
  y1 += pad;
  auto X = [&](double v) { return left + (v - x0) / (x1 - x0) * plot_w; };
  auto Y = [&](double v) { return top + plot_h - (v - y0) / (y1 - y0) * plot_h; };
  std::string s = header(height);
  s += text(kWidth / 2, 28, trait, "middle", 15);
  s += line(left, top + plot_h, left + plot_w, top + plot_h);
  s += line(left, top, left, top + plot_h);
  const double sx = tick_step(x1 - x0), sy = tick_step(y1 - y0);
  for (double t = std::ceil(x0 / sx) * sx; t <= x1 + 1e-9; t += sx) {
    s += line(X(t), top + plot_h, X(t), top + plot_h + 5);
    s += text(X(t), top + plot_h + 19, tick(t), "middle", 11);
  }
  for (double t = std::ceil(y0 / sy) * sy; t <= y1 + 1e-9; t += sy) {
    s += line(left - 5, Y(t), left, Y(t));
    s += line(left, Y(t), left + plot_w, Y(t), "#ddd");
    s += text(left - 8, Y(t) + 4, tick(t), "end", 11);
  }
  s += text(left + plot_w / 2, top + plot_h + 44, factor, "middle", 12);
  s += "<text x=\"18\" y=\"" + num(top + plot_h / 2) + "\" text-anchor=\"middle\" font-size=\"12\" transform=\"rotate(-90 18 " +
       num(top + plot_h / 2) + ")\">" + esc("Economic weight, MU " + unit + " and cow and year") + "</text>\n";
  static const char* colour[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                 "#ff7f0e", "#8c564b", "#e377c2", "#17becf"};
  for (std::size_t k = 0; k < series.size(); ++k) {
    const char* c = colour[k % 8];
    std::vector<LevelPoint> b;
    for (const LevelPoint& p : points)
      if (p.series == series[k]) b.push_back(p);
    std::sort(b.begin(), b.end(), [](const LevelPoint& x, const LevelPoint& y) { return x.level < y.level; });
    std::string pts;
    for (const LevelPoint& p : b) pts += num(X(p.level)) + "," + num(Y(p.weight)) + " ";
    s += "<polyline fill=\"none\" stroke=\"" + std::string(c) + "\" stroke-width=\"2\" points=\"" + pts + "\"/>\n";
    for (const LevelPoint& p : b)
      s += "<circle class=\"point\" cx=\"" + num(X(p.level)) + "\" cy=\"" + num(Y(p.weight)) + "\" r=\"3.5\" fill=\"" +
           c + "\"/>\n";
    const double ly = top + plot_h + 62 + 16 * static_cast<double>(k);
    s += "<rect x=\"" + num(left) + "\" y=\"" + num(ly - 10) + "\" width=\"12\" height=\"12\" fill=\"" + c + "\"/>\n" +
         text(left + 18, ly, series[k], "start", 11);
  }
  return s + "</svg>\n";
}

}  // namespace zelvan::batch
