#pragma once
// Fixed sizes of every array of the model state. The input decides how much
// of each array a system uses (LL, DD, inmax, nSCC, p1, p2 ...); no array is
// ever resized.

namespace zelvan {

inline constexpr int ACDC = 25;  // age classes of cross-bred dams in the gene-flow model
inline constexpr int ACDD = 20;  // age classes of dairy dams in the gene-flow model
inline constexpr int ACM = 90;   // order of the gene-flow transition matrix PM
inline constexpr int ACSB = 20;  // age classes of beef sires in the gene-flow model
inline constexpr int ACSD = 20;  // age classes of dairy sires in the gene-flow model
inline constexpr int C = 137;    // per-category arrays: largest CT + 1
inline constexpr int C1 = 113;   // per-category arrays without the cross-bred block: largest CC + 1
inline constexpr int D = 6;      // calving-difficulty classes (DD <= D)
inline constexpr int DL = 400;   // days of the daily lactation tables dmi and dcdi
inline constexpr int GD = 400;   // days of gestation held in the running sums gestne and gestpdi
inline constexpr int INS = 8;    // inseminations per service period (inmax, inmaxh)
inline constexpr int J = 2;      // breed indices: 0 pure-bred dairy, 1 cross-bred from beef bulls
inline constexpr int L = 15;     // reproduction cycles (LL <= L)
inline constexpr int NCP = 25;   // progeny categories per breed index, 1..24
inline constexpr int NSCC = 7;   // somatic-cell-count classes (nSCC <= NSCC)
inline constexpr int NT = 48;    // per-trait arrays, trait numbers 1..47
inline constexpr int NTHR = 10;  // class limits of the milk-payment traits
inline constexpr int P1 = 21;    // rows of the carcass-class matrices (first classification)
inline constexpr int P2 = 21;    // columns of the carcass-class matrices (second classification)
inline constexpr int T = 89;     // herd states of the cow herd: largest TT + 1

// Number of slots of the run schedule; the last one runs no model.
inline constexpr int FINAL_SLOT = 252;

}  // namespace zelvan
