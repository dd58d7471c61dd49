#include "weights/score_traits.h"

namespace zelvan {

bool is_score_trait(int trait) { return (trait >= 14 && trait <= 17) || (trait >= 19 && trait <= 22) || trait == 24 || trait == 25; }

// The threshold model of the class distributions is computed with the
// economic weights; until then the groups of these traits run the model
// with the distributions unchanged.
void save_score_distribution(Model&, int, int) {}
void shift_score_thresholds(Model&, int, int, double) {}
void restore_score_distribution(Model&, int, int) {}

}  // namespace zelvan
