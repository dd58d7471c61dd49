#pragma once
// Everything the input phase puts into the model state: the options of
// PARAD.TXT, the data files, the trait marks and the fixed ratio coefficients.
// Breed-indexed arrays have J = 2 entries (0 pure-bred, 1 cross-bred);
// per-category arrays use the category layout (element CC*j + k for progeny
// category k of breed index j, element 24 + s for herd state s).
#include "run/dimensions.h"

namespace zelvan {

// Options of PARAD.TXT, in file order.
struct Options {
  int cb;         // cows are mated with beef bulls: 1 cross-bred calves exist, 0 pure-bred only
  int tech1;      // housing of young stock: 1 ktb, 2 ktf
  int tech2;      // housing of cows: 1 ktb, 2 ktf, 3 ktp
  int matpur;     // maturity type of pure-bred animals (1 early .. 3 late)
  int matcross;   // maturity type of cross-bred animals
  int utifemp;    // use of surplus pure-bred female calves: 1 sold, 2 fattened, 3 sold before mating, 4 sold pregnant
  int utifemcr;   // use of cross-bred female calves: 1 sold, 2 fattened, 3 breeding heifers, 4 part sold, rest fattened
  int cast[J];    // male calves of breed index j are castrated for fattening (0/1)
  int feedcost;   // how the dry matter of a ration follows from the requirements (1, 2)
  int ewopt;      // breed indices with economic weights: 0 pure-bred, 1 cross-bred, 2 both
  int gene_flow;  // selection group of the gene flow (3 = beef sires)
  int mast_inc;   // mastitis incidence is modelled (0/1)
  int milkquota;  // milk-quota situation; above 1 the weights are quota corrected
  int milkprice;  // milk payment system 1..5
  int ind_a30;    // curd firmness a30 enters the milk payment (0/1)
  int ind_RCT;    // rennet coagulation time enters the milk payment (0/1)
  int LL;         // number of reproduction cycles (lactations) of a cow
  int gstd;       // source of genetic standard deviations: 1 none, 2 INPUT32.TXT, 3 INPUT33.TXT
  int claw_inc;   // claw disease incidence is modelled (0/1)
  int rfi_calf;   // residual feed intake of calves is modelled (0/1)
  int rfi_h;      // residual feed intake of heifers is modelled (0/1)
  int rfi_fa;     // residual feed intake of fattened animals is modelled (0/1)
  int rfi_cow;    // residual feed intake of cows is modelled (0/1)
};

// Progeny and cow data (INPUT15.TXT, INPUT11.TXT) with the fattening flags.
struct ProgenyCowData {
  int pbf[J];        // bulls of breed index j are fattened (0/1)
  int pff[J];        // heifers of breed index j are fattened (0/1)
  int paf[J];        // any animals of breed index j are fattened (0/1)
  float mxmc[J];     // share of male calves alive at 48 h sold (exported)
  float mtest[J];    // share of male calves alive at 48 h sent to the performance test
  float pcmf[J];     // share of the male calves for fattening that are castrated
  float exfc;        // share of cross-bred female calves sold as calves (utifemcr 4)
  float bwf[J];      // birth weight of female calves, kg
  float bwm[J];      // birth weight of male calves, kg
  float agec1[J];    // age at the end of the first calf period, days
  float agew[J];     // age at weaning, days
  float age[C];      // age at sale or leaving of each category, days
  float adgcf[J];    // daily gain of female calves to weaning, kg/day
  float adgcm[J];    // daily gain of male calves to weaning, kg/day
  float whmat1[J];   // weight of heifers at first mating, kg
  float adghm[J];    // daily gain of heifers from weaning to first mating, kg/day
  float adghmc[J];   // daily gain of heifers from first mating to calving, kg/day
  float dayshc[J];   // days from first mating to culling of heifers that do not conceive
  float adgwsf[J];   // daily gain of heifers in fattening (reference gain of fattening), kg/day
  float adgwsm[J];   // daily gain of bulls in fattening, kg/day
  float adgwsc[J];   // daily gain of castrates in fattening, kg/day
  float dresh[J];    // dressing percentage of heifers, %
  float dresb[J];    // dressing percentage of bulls, %
  float dresc[J];    // dressing percentage of castrates, %
  float dcw[J];      // death rate of calves from 48 h to weaning
  float dmcf[J];     // share of fattening bulls that die
  float nmcf[J];     // share of fattening bulls culled early
  float dccf[J];     // share of fattening castrates that die
  float nccf[J];     // share of fattening castrates culled early
  float dfcf[J];     // share of fattened heifers that die
  float nfcf[J];     // share of fattened heifers culled early
  float loshin[J];   // losses of heifers during rearing
  float sfrp[J];     // share of reared heifers culled before first mating
  int DD;            // number of calving-difficulty classes (<= D)
  int dyscl;         // first class (1-based) that counts as a difficult calving
  float lgpre;       // gestation length, days
  float intcm;       // days from calving to first insemination
  float inint;       // days between inseminations
  float dd;          // length of the dry period, days
  int inmax;         // maximum number of inseminations of a cow (<= INS)
  int inmaxh;        // maximum number of inseminations of a heifer (<= INS)
  float nr;          // inseminations per service
  float crdys;       // reduction of the conception rate after a difficult calving
  float cmd;         // share of cows with a difficult calving culled for it
  float fat;         // fat content of milk, %
  float prot;        // protein content of milk, %
  float mcwd;        // mature weight of dairy cows, kg
  float mcwb;        // mature weight of cows of the beef breed, kg
  float wpreg;       // weight of the pregnant uterus at calving, kg
  float adg1cow;     // daily gain of cows in the first reproduction cycle, kg/day
  float ndaydys;     // days a cow stays after a difficult calving before culling
  float drescw;      // dressing percentage of cows, %
  float loswf;       // feed losses outside fattening, %
  float losff;       // feed losses in fattening, %
  float dryf[C];     // dry matter content of the ration per category, share
  float edf[C];      // energy density of the ration per category, MJ per kg dry matter
  float pdid[C];     // protein density of the ration per category, g per kg dry matter
  float rfi[C];      // residual feed intake per category, kg dry matter per day
  float kbd;         // maintenance factor of dry cows
  float kbl;         // maintenance factor of lactating cows
  float ktp;         // housing factor of maintenance, pasture
  float ktb;         // housing factor of maintenance, tied
  float ktf;         // housing factor of maintenance, free stall
  float wat[C];      // water per category and day, litres
  float straw[C];    // straw per category and day, kg
  float dung[C];     // manure per category and day, kg
  float prf[C];      // price of the ration per category, MU per kg
  float prdg;        // value of manure, MU per kg
  float prst;        // price of straw, MU per kg
  float prwt;        // price of water, MU per litre
  float praid;       // price of an insemination with a dairy bull, MU
  float praird;      // cost of an insemination service with a dairy bull, MU
  float praib;       // price of an insemination with a beef bull, MU
  float prairb;      // cost of an insemination service with a beef bull, MU
  float prc;         // per-cent factor on the price of cows
  float kpr[C];      // price factor of animals culled per category
  float costd[C];    // disposal cost of a dead animal per category, MU
  float costv[C];    // veterinary costs per category, MU
  float vetdys[D];   // veterinary cost per calving of difficulty class k, MU
  float labdys[D];   // labour hours per calving of difficulty class k
  float costlab;     // cost of one labour hour, MU
  float varmilk;     // variable cost per kg of milk, MU
  float fix[C];      // fixed costs per category and day, MU
  float u;           // interest rate used for discounting, %
  float dotmilk;     // subsidy per kg of milk, MU
  float dotcowo;     // subsidy per cow, MU
  float dotcowh;     // subsidy per heifer, MU
  float dotexpm;     // subsidy per exported male calf, MU
  float dotfati;     // subsidy per fattened animal, MU
  float herdbook;    // herd-book costs per cow, MU
  float pcrossh;     // share of heifers inseminated with beef bulls
};

// Reproduction-cycle, lactation and health data (INPUT07, 22, 29, 30, 37, 38).
struct CycleHealthData {
  float pp[C];          // fate probabilities of the cycles: pp[6c+18+k] for cycle c, fate k
  float culh[L];        // culling for health per cycle
  float culvol[L];      // culling for low milk production per cycle
  float ab[L];          // abortion rate per cycle
  float stcd[L];        // stillbirth rate after a difficult calving per cycle
  float stce[L];        // stillbirth rate after an easy calving per cycle
  float dcd[L];         // calf deaths within 48 h after a difficult calving per cycle
  float dce[L];         // calf deaths within 48 h after an easy calving per cycle
  float pcross[L];      // share of cows of cycle i+1 mated with beef bulls
  float ecrinc[INS];    // conception rate of cows at insemination k+1
  float crinh[INS];     // conception rate of heifers at insemination k+1
  float dysff[D][J][L]; // share of calvings with a female calf in difficulty class d
  float dysmm[D][J][L]; // share of calvings with a male calf in difficulty class d
  float milk;           // level of milk yield per lactation, kg
  float b1, b2, b3;     // lactation-curve parameters b of lactation groups 1..3
  float c1, c2, c3;     // lactation-curve parameters c of lactation groups 1..3
  float d1, d2, d3;     // lactation-curve parameters d of lactation groups 1..3
  float costdrug;       // drug costs per mastitis case, MU
  float labvet;         // veterinary labour per mastitis case, hours
  float pricevet;       // price of an hour of veterinary work, MU
  float labherd;        // herdsman labour per mastitis case, hours
  float priceherd;      // price of an hour of herdsman work, MU
  float costmach;       // machine costs per mastitis case, MU
  float pricedry;       // price of a dry-cow treatment, MU
  float pdry;           // share of cows given a dry-cow treatment
  float ircmy[L];       // clinical mastitis cases per cow in lactation i+1
  float dmi[3][DL];     // daily mastitis table per lactation group and day
  float costacd;        // costs per case of the first kind of claw disorder, MU
  float labvetcd;       // veterinary labour per claw case, hours
  float prvetcd;        // price of an hour of veterinary work for claw cases, MU
  float costnacd;       // costs per case of the second kind of claw disorder, MU
  float labherdcd;      // herdsman labour per claw case, hours
  float prherdcd;       // price of an hour of herdsman work for claw cases, MU
  float ircdy[L];       // claw disorder cases per cow in lactation i+1
  float pacd[L];        // share of claw cases of the first kind in lactation i+1
  float dcdi[3][DL];    // daily claw-disorder table per lactation group and day
};

// Feeding, carcass and price data (INPUT23, 21, 12, 24, 25).
struct FeedCarcassData {
  float kdresh;          // factor on the dressing percentage of heifers culled in fattening
  float kdresb;          // factor on the dressing percentage of bulls culled in fattening
  float kdresc;          // factor on the dressing percentage of castrates culled in fattening
  float prh;             // base carcass price of heifers, MU per kg
  float prb;             // base carcass price of bulls, MU per kg
  float prcs;            // base carcass price of castrates, MU per kg
  int p1;                // classes of the first carcass classification (<= P1)
  int p2;                // classes of the second carcass classification (<= P2)
  float wbfatb;          // slaughter weight of cross-bred fattened bulls, kg
  float whfatb;          // slaughter weight of cross-bred fattened heifers, kg
  float wcfatb;          // slaughter weight of cross-bred fattened castrates, kg
  float whfat[J];        // slaughter weight of fattened heifers, kg
  float wbfat[J];        // slaughter weight of fattened bulls, kg
  float wcfat[J];        // slaughter weight of fattened castrates, kg
  float dryfwf[J];       // dry matter content of the calf ration, first period, share
  float edfwf[J];        // energy density of the calf ration, first period
  float pdidwf[J];       // protein density of the calf ration, first period
  float prfwf[J];        // price of the calf ration, first period, MU per kg
  float rfifc1[J];       // residual feed intake of female calves, first period, kg/day
  float rfimc1[J];       // residual feed intake of male calves, first period, kg/day
  float dryfwf2[J];      // dry matter content of the calf ration, second period
  float edfwf2[J];       // energy density of the calf ration, second period
  float pdidwf2[J];      // protein density of the calf ration, second period
  float prfwf2[J];       // price of the calf ration, second period, MU per kg
  float rfifc2[J];       // residual feed intake of female calves, second period, kg/day
  float rfimc2[J];       // residual feed intake of male calves, second period, kg/day
  float watwf[J];        // water per calf and day to weaning, litres
  float dungwf[J];       // manure per calf and day to weaning, kg
  float strawwf[J];      // straw per calf and day to weaning, kg
  float costvetwf[J];    // veterinary costs per calf to weaning, MU
  float fixwf[J];        // fixed costs per calf and day to weaning, MU
  float costvet[C];      // veterinary costs per category, MU
  float costdf[J];       // disposal cost of a dead calf, MU
  float costdcf[J];      // disposal cost of a dead animal in fattening, MU
  float pr[C];           // sale price per kg live weight (or carcass price) per category, MU
  float pranim[C];       // sale price per head per category, MU
  float adg10;           // daily gain of test bulls after weaning, kg/day
  float prf10;           // price of the ration of test bulls, MU per kg
  float pdid10;          // protein density of the ration of test bulls
  float edf10;           // energy density of the ration of test bulls
  float dryf10;          // dry matter content of the ration of test bulls
  float rfi10;           // residual feed intake of test bulls, kg/day
  float dung10;          // manure of a test bull per day, kg
  float straw10;         // straw of a test bull per day, kg
  float wat10;           // water of a test bull per day, litres
  float costvet10;       // veterinary costs of a test bull, MU
  float fix10;           // fixed costs of a test bull per day, MU
  float dottest;         // subsidy per test bull, MU
  float Pb[P1][P2][J];   // shares of bull carcasses in class (a, b), %
  float Ph[P1][P2][J];   // shares of heifer carcasses in class (a, b), %
  float Pcs[P1][P2][J];  // shares of castrate carcasses in class (a, b), %
  float Pc[P1][P2][J];   // shares of cow carcasses in class (a, b), %
  float Prb[P1][P2];     // price of bull carcasses of class (a, b), relative
  float Prh[P1][P2];     // price of heifer carcasses of class (a, b), relative
  float Prcs[P1][P2];    // price of castrate carcasses of class (a, b), relative
  float Prc[P1][P2];     // price of cow carcasses of class (a, b), relative
};

// Milk payment data (INPUT28.TXT).
struct MilkPaymentData {
  float prmilkb;         // base price of milk, MU per kg
  int nfat;              // class limits of fat content; -1 fat not paid for
  float thfat[NTHR];     // class limits of fat content, %
  float rf[3][NTHR];     // payment parameters per fat class
  int nprot;             // class limits of protein content; -1 not paid for
  float thprot[NTHR];    // class limits of protein content, %
  float rp[3][NTHR];     // payment parameters per protein class
  float sigmafat;        // standard deviation of fat content over deliveries, %
  float sigmaprot;       // standard deviation of protein content over deliveries, %
  float mSCS;            // mean somatic cell score of the herd
  float sigmaSCS;        // standard deviation of the somatic cell score
  int nSCC;              // number of somatic-cell-count classes (<= NSCC)
  float tSCC[NSCC];      // class limits of the somatic cell count, cells per ml
  float prSCC[NSCC];     // payment or deduction per cell-count class, MU per kg
  float facSCC[NSCC];    // factor on the content-based price per cell-count class
  float a30;             // herd mean of curd firmness a30, mm
  float sigmaa30;        // standard deviation of a30, mm
  float RCT;             // herd mean of rennet coagulation time, min
  float sigmaRCT;        // standard deviation of RCT, min
  int na30;              // class limits of a30; -1 not paid for
  float tha30[NTHR];     // class limits of a30
  float ra30[3][NTHR];   // payment parameters per a30 class
  int nRCT;              // class limits of RCT; -1 not paid for
  float thRCT[NTHR];     // class limits of RCT
  float rRCT[3][NTHR];   // payment parameters per RCT class
};

// Gene-flow data and the marks that decide which traits are evaluated.
struct TraitSelectionData {
  int acsd;              // age classes of dairy sires
  int acdd;              // age classes of dairy dams
  int acsb;              // age classes of beef sires
  int acdc;              // age classes of cross-bred dams
  int n_sac;             // age class of the selected animals
  float l_inv;           // investment period, years
  double PM[ACM][ACM];   // gene-flow transition matrix
  int flag[9];           // chosen trait of each pair of alternative traits (1..8)
  int to[NT];            // trait mark: 2 evaluated, 1 not evaluated, 0 not listed
  int to3[NT];           // marks of traits 43, 44, 45, 47 from T.TXT
  int tt[NT];            // kind of expression: 0 in calves, 1 in cows, 2 both
  int delta_d[NT];       // trait has a component expressed in the calves
  int delta_m[NT];       // trait has a component expressed in the cows
  float gstd_d[NT];      // genetic standard deviation of the calf component
  float gstd_m[NT];      // genetic standard deviation of the cow component
};

// Ratios fixed once after the input, so that dependent quantities follow a
// changed trait in proportion.
struct FixedCoefficients {
  float kconc[INS];     // conception rate of cows at insemination k relative to the first
  float kconh[INS];     // conception rate of heifers at insemination k relative to the first
  float kbwmf[J];       // birth weight of male calves relative to female
  float kgcmf[J];       // daily gain of male calves relative to female
  float kghcf[J];       // daily gain of heifers to first mating relative to calves
  float kghccf[J];      // daily gain of heifers after first mating relative to calves
  float kdresbh[J];     // dressing percentage of bulls relative to heifers
  float kdresch[J];     // dressing percentage of castrates relative to heifers
  float kg10;           // daily gain of test bulls after weaning relative to calves
  float kdrescwh;       // dressing percentage of cows relative to heifers
  float kmatc;          // weight at first mating as a fraction of mature weight
  float kgainmf[J];     // daily gain of fattening bulls relative to heifers
  float kgaincf[J];     // daily gain of fattening castrates relative to heifers
  float kslh[J];        // slaughter weight of fattened heifers relative to mature weight
  float kslc[J];        // slaughter weight of fattened castrates relative to mature weight
  float kslb[J];        // slaughter weight of fattened bulls relative to mature weight
  float tSCS[NSCC];     // class limits of the somatic cell score
};

}  // namespace zelvan
