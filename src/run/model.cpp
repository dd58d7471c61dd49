#include "run/model.h"

#include <cstring>
#include <initializer_list>
#include <type_traits>

namespace zelvan {

void init_model(Model& m) {
  static_assert(std::is_trivially_copyable_v<Model>, "the model state must stay a plain record");
  std::memset(static_cast<void*>(&m), 0, sizeof m);
  for (int i = 0; i < NT; ++i) {
    m.to[i] = 2;
    m.to3[i] = 1;
    m.delta_m[i] = 0;
    m.delta_d[i] = 0;
    m.tt[i] = 0;
  }
  for (int& f : m.flag) f = 0;
  m.irun = 1;
  // Kind of expression of each trait: 2 expressed in calves and cows, 1 in
  // the cows only, 0 in the calves only (used by the gene flow).
  for (int t = 1; t <= 3; ++t) m.tt[t] = 2;
  for (int t : {4, 11, 13, 29, 41, 45, 46}) m.tt[t] = 1;
  for (int t = 5; t <= 8; ++t) m.tt[t] = 2;
  for (int t = 24; t <= 28; ++t) m.tt[t] = 2;
  m.tt[30] = 2;
  for (int t = 31; t <= 39; ++t) m.tt[t] = 1;
}

}  // namespace zelvan
