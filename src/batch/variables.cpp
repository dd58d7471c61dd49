#include "batch/variables.h"

#include <cstring>
#include <sstream>
#include <vector>

#include "input/readers.h"

namespace zelvan::batch {

namespace {

// Splits "name[i][j]" or "name[i,j,k]" into the name and its indices.
bool split_spec(const std::string& spec, std::string& name, std::vector<long>& index) {
  const std::size_t open = spec.find('[');
  name = spec.substr(0, open);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (open == std::string::npos) return !name.empty();
  std::string rest = spec.substr(open);
  for (char& c : rest)
    if (c == '[' || c == ']' || c == ',') c = ' ';
  std::istringstream in(rest);
  long v = 0;
  while (in >> v) index.push_back(v);
  return in.eof() && !name.empty();
}

std::size_t element_size(ElemKind k) { return k == ElemKind::f64 ? sizeof(double) : sizeof(int); }

}  // namespace

bool find_element(Model& m, const std::string& spec, Element& e, std::string& why) {
  std::string name;
  std::vector<long> index;
  if (!split_spec(spec, name, index)) {
    why = "\"" + spec + "\" is not a variable name with indices in brackets";
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

// store_options is asked with 24 distinct values; the option in `address`
// is the one whose value comes back there.
std::string option_at(Model& m, const void* address, int& position) {
  int v[kOptions];
  for (int i = 0; i < kOptions; ++i) v[i] = 1000 + i;
  Options saved = m;
  store_options(m, v);
  position = -1;
  const char* base = reinterpret_cast<const char*>(&m);
  const std::ptrdiff_t at = static_cast<const char*>(address) - base;
  int value = 0;
  if (at >= 0 && at + static_cast<std::ptrdiff_t>(sizeof(int)) <= static_cast<std::ptrdiff_t>(sizeof(Model)))
    std::memcpy(&value, static_cast<const char*>(address), sizeof value);
  static_cast<Options&>(m) = saved;
  if (value >= 1000 && value < 1000 + kOptions) position = value - 1000;
  if (position < 0) return {};
  for (const DumpEntry& d : dump_table(m)) {
    const char* p = static_cast<const char*>(d.data);
    if (address >= p && static_cast<const char*>(address) < p + (d.rank == 0 ? 4 : 4 * d.extent[0])) return d.name;
  }
  return {};
}

}  // namespace zelvan::batch
