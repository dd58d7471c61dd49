#include "run/trait_change.h"

#include "weights/score_traits.h"

namespace zelvan {

float* trait_value(Model& m, int trait, int j) {
  switch (trait) {
    case 2: return &m.calfloss[j];
    case 3: return &m.dcw[j];
    case 4: return j == 0 ? &m.mcwd : &m.mcwb;
    case 5: return &m.bwf[j];
    case 9: return &m.adgwsf[j];
    case 10: return &m.dresh[j];
    case 12: return &m.crinh[0];
    case 13: return &m.ecrinc[0];
    case 30: return &m.adgcf[j];
    case 31: return &m.milk;
    case 32: return &m.fat;
    case 34: return &m.prot;
    case 36: return &m.mSCS;
    case 38: return &m.RCT;
    case 39: return &m.a30;
    case 43: return &m.rfi[cat(m, j, 22)];
    case 45: return &m.rfi[30];
    default: return nullptr;
  }
}

namespace {

float changed(Change what, double amount, float saved) {
  if (what == Change::scale) return static_cast<float>(amount * static_cast<double>(saved));
  if (what == Change::shift) return static_cast<float>(static_cast<double>(saved) + amount);
  return saved;  // restore
}

// Cow losses and culling for health of every cycle (trait 11). The losses
// pp(c, 1) are kept at their own category index of zzlosc, the culling rates
// at the cycle index; the two ranges do not overlap.
void change_cow_losses(Model& m, Change what, double amount) {
  for (int c = 1; c <= cycles(m); ++c) {
    float& loss = m.pp[6 * c + 19];
    float& culling = m.culh[c - 1];
    if (what == Change::save) {
      m.zzlosc[6 * c + 19] = loss;
      m.zzlosc[c - 1] = culling;
    } else {
      loss = changed(what, amount, m.zzlosc[6 * c + 19]);
      culling = changed(what, amount, m.zzlosc[c - 1]);
    }
  }
  if (what == Change::save) m.tvm = m.losc;
}

// A disease incidence per lactation with its daily table (traits 37 and 46);
// the reference value is the herd's number of cases per cow and lactation.
void change_disease(Model& m, float (&incidence)[L], float (&daily)[3][DL], float cases, Change what,
                    double amount) {
  if (what == Change::save) {
    m.tvm = cases;
    for (int i = 0; i < cycles(m); ++i) m.zzircmy[i] = incidence[i];
    for (int k = 0; k < 3; ++k)
      for (int d = 0; d < DL; ++d) m.zzdmi[k][d] = daily[k][d];
    return;
  }
  for (int i = 0; i < cycles(m); ++i) incidence[i] = changed(what, amount, m.zzircmy[i]);
  for (int k = 0; k < 3; ++k)
    for (int d = 0; d < DL; ++d) daily[k][d] = changed(what, amount, m.zzdmi[k][d]);
}

// Several values shifted together by the same amount; the first is the
// reference (its saved value is tvm), the others are saved in zzlosc.
void change_together(Model& m, float* const* values, int count, Change what, double amount) {
  if (count == 0) return;
  if (what == Change::save) {
    m.tvm = *values[0];
    for (int i = 1; i < count; ++i) m.zzlosc[i] = *values[i];
    return;
  }
  *values[0] = changed(what, amount, m.tvm);
  for (int i = 1; i < count; ++i) *values[i] = changed(what, amount, m.zzlosc[i]);
}

// Residual feed intake of the fattened categories of breed index j
// (trait 44): the first existing fattened group is the reference.
int fattening_rfi(Model& m, int j, float* (&values)[2]) {
  const int o = j * m.CC;
  int count = 0;
  if (m.pff[j] == 1) {
    values[count++] = &m.rfi[o + 12];
    if (m.pbf[j] == 1) {
      values[count++] = &m.rfi[o + 14];
    } else if (m.cast[j] == 1) {
      values[count++] = &m.rfi[o + 17];
    }
  } else if (m.pbf[j] == 1) {
    values[count++] = &m.rfi[o + 14];
    if (m.cast[j] == 1) values[count++] = &m.rfi[o + 17];
  } else if (m.cast[j] == 1) {
    values[count++] = &m.rfi[o + 17];
  }
  return count;
}

}  // namespace

void change_trait(Model& m, int trait, int j, Change what, double amount) {
  if (is_score_trait(trait)) {
    if (what == Change::save) {
      save_score_distribution(m, trait, j);
    } else if (what == Change::restore) {
      restore_score_distribution(m, trait, j);
    } else {
      shift_score_thresholds(m, trait, j, amount);
    }
    return;
  }
  if (float* x = trait_value(m, trait, j)) {
    if (what == Change::save) {
      m.tvm = *x;
    } else {
      *x = changed(what, amount, m.tvm);
    }
    return;
  }
  switch (trait) {
    case 11:
      change_cow_losses(m, what, amount);
      break;
    case 37:
      change_disease(m, m.ircmy, m.dmi, m.ymi, what, amount);
      break;
    case 46:
      change_disease(m, m.ircdy, m.dcdi, m.ycdi, what, amount);
      break;
    case 42: {
      float* values[4] = {&m.rfifc1[j], &m.rfimc1[j], &m.rfifc2[j], &m.rfimc2[j]};
      change_together(m, values, 4, what, amount);
      break;
    }
    case 44: {
      float* values[2] = {nullptr, nullptr};
      change_together(m, values, fattening_rfi(m, j, values), what, amount);
      break;
    }
    default:
      break;
  }
}

}  // namespace zelvan
