#include "batch/variables.h"

#include <cstring>
#include <memory>
#include <sstream>
#include <vector>

#include "input/readers.h"

namespace zelvan::batch {

namespace {

// Splits "name[i][j]" or "name[i,j,k]" into the name and its indices.
bool split_name(const std::string& wanted, std::string& name, std::vector<long>& index) {
  const std::size_t open = wanted.find('[');
  name = wanted.substr(0, open);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (open == std::string::npos) return !name.empty();
  std::string rest = wanted.substr(open);
  for (char& c : rest)
    if (c == '[' || c == ']' || c == ',') c = ' ';
  std::istringstream in(rest);
  long v = 0;
  while (in >> v) index.push_back(v);
  return in.eof() && !name.empty();
}

std::size_t element_size(ElemKind k) { return k == ElemKind::f64 ? sizeof(double) : sizeof(int); }

}  // namespace

bool find_element(Model& m, const std::string& wanted, Element& e, std::string& why) {
  std::string name;
  std::vector<long> index;
  if (!split_name(wanted, name, index)) {
    why = "\"" + wanted + "\" is not a variable name with indices in brackets";
    return false;
  }
  for (const DumpEntry& d : dump_table(m)) {
    if (name != d.name || d.constant) continue;
    if (static_cast<int>(index.size()) != d.rank) {
      why = name + " has " + std::to_string(d.rank) + " indices, " + std::to_string(index.size()) + " given";
      return false;
    }
    long offset = 0;
    e.name = name;
    for (int r = 0; r < d.rank; ++r) {
      if (index[r] < 0 || index[r] >= d.extent[r]) {
        why = "index " + std::to_string(index[r]) + " of " + name + " is out of range 0.." +
              std::to_string(d.extent[r] - 1);
        return false;
      }
      offset = offset * d.extent[r] + index[r];
      ((e.name += '[') += std::to_string(index[r])) += ']';
    }
    e.kind = d.kind;
    e.address = const_cast<char*>(static_cast<const char*>(d.data)) + offset * element_size(d.kind);
    return true;
  }
  why = "no variable of the model is named \"" + name + "\"";
  return false;
}

double element_value(const Element& e) {
  switch (e.kind) {
    case ElemKind::i32: return *static_cast<const int*>(e.address);
    case ElemKind::f32: return *static_cast<const float*>(e.address);
    default: return *static_cast<const double*>(e.address);
  }
}

void set_element(const Element& e, double v) {
  switch (e.kind) {
    case ElemKind::i32: *static_cast<int*>(e.address) = static_cast<int>(v); break;
    case ElemKind::f32: *static_cast<float*>(e.address) = static_cast<float>(v); break;
    default: *static_cast<double*>(e.address) = v; break;
  }
}

void load_dump(Model& m, const std::string& text) {
  std::istringstream in(text);
  std::string line, why;
  while (std::getline(in, line)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    Element e;
    if (!find_element(m, line.substr(0, eq), e, why)) continue;
    set_element(e, std::strtod(line.c_str() + eq + 1, nullptr));
  }
}

// The options reader is given 24 distinct values; where each one lands
// tells which variable that option of PARAD.TXT fills.
namespace {

constexpr int kProbe = 1000;

int probed_position(int value) { return value >= kProbe && value < kProbe + kOptions ? value - kProbe : -1; }

void probe_options(Model& m) {
  int v[kOptions];
  for (int i = 0; i < kOptions; ++i) v[i] = kProbe + i;
  store_options(m, v);
}

}  // namespace

int option_position(Model& m, const void* address) {
  const Options saved = m;
  probe_options(m);
  int value = 0;
  const char* p = static_cast<const char*>(address);
  const char* base = reinterpret_cast<const char*>(&m);
  if (p >= base && p + sizeof value <= base + sizeof(Model)) std::memcpy(&value, p, sizeof value);
  static_cast<Options&>(m) = saved;
  return probed_position(value);
}

std::vector<std::string> option_names() {
  auto m = std::make_unique<Model>();
  probe_options(*m);
  std::vector<std::string> names(kOptions);
  for (const DumpEntry& d : dump_table(*m)) {
    if (d.kind != ElemKind::i32 || d.constant || d.rank > 1) continue;
    const int n = d.rank == 0 ? 1 : d.extent[0];
    for (int i = 0; i < n; ++i) {
      const int at = probed_position(static_cast<const int*>(d.data)[i]);
      if (at >= 0) names[at] = d.rank == 0 ? d.name : std::string(d.name) + "[" + std::to_string(i) + "]";
    }
  }
  return names;
}

}  // namespace zelvan::batch
