// The list of every variable of the model state for the dump: name, member,
// printed ranges, format and zero suppression. The dump sorts it by name, so
// the order here only groups the variables by subsystem.
#include "report/dump.h"

#include <algorithm>

namespace zelvan {

namespace {

// varmilk is written with two blanks before its equals sign.
DumpEntry spaced(DumpEntry e) {
  e.equals = "  = ";
  return e;
}

}  // namespace

// The entry's name is the member's own name.
#define V(member, ...) var(#member, m.member, __VA_ARGS__)

std::vector<DumpEntry> dump_table(const Model& m) {
  static const int dims[] = {ACDC, ACDD, ACM, ACSB, ACSD, C, C1, D, DL, INS, J, L, NCP, NSCC, NT, NTHR, P1, P2, T};
  const Range breed{0, m.cb};
  const Range cycle{0, m.LL - 1};
  const Range cats{0, m.i4 - 1};
  const Range cows{25, m.CC};
  const Range traits{1, 47};
  const Range day{0, DL - 1};
  const Range three{0, 2};
  const Range ins{0, m.inmax - 1};
  const Range insh{0, m.inmaxh - 1};
  const Range classes{0, m.DD - 1};
  const Range cls1{0, m.p1 - 1};
  const Range cls2{0, m.p2 - 1};
  const Range states{0, m.TT};
  const Range gene_classes{0, ACM - 1};
  const Range cycle_plus{0, m.LL};
  // Classes and cells per class of the categorical trait last changed.
  const Range score_classes{0, std::max({m.p1, m.p2, m.DD}) - 1};
  const Range score_cells{0, std::max({m.p1, m.p2, m.LL}) - 1};

  std::vector<DumpEntry> t = {
      // Dimension constants.
      constant("ACDC", dims[0]), constant("ACDD", dims[1]), constant("ACM", dims[2]), constant("ACSB", dims[3]),
      constant("ACSD", dims[4]), constant("C", dims[5]), constant("C1", dims[6]), constant("D", dims[7]),
      constant("DL", dims[8]), constant("INS", dims[9]), constant("J", dims[10]), constant("L", dims[11]),
      constant("NCP", dims[12]), constant("NSCC", dims[13]), constant("NT", dims[14]), constant("NTHR", dims[15]),
      constant("P1", dims[16]), constant("P2", dims[17]), constant("T", dims[18]),

      // Run control.
      V(irun, "%d"), V(trait, "%d"), V(ja, "%d"), V(jb, "%d"), V(TT, "%d"), V(CC, "%d"), V(CT, "%d"),
      V(i4, "%d"), V(prodsys, "%d"), V(prodsys2, "%d"), V(tvm, "%f"), V(tvh, "%f"), V(tvl, "%f"),
      V(Tprofh, "%10.4f"), V(Tprofl, "%10.4f"), V(Tprofm, "%10.4f"), V(avh, "%f"), V(avl, "%f"),
      V(milktoth, "%10.2f"), V(milktotl, "%10.2f"), V(milktotm, "%10.2f"), V(zzlosc, "%f", {{0, C - 1}}),
      V(zzircmy, "%f", {cycle}), V(zzdmi, "%f", {three, day}), V(zac, "%10.0f"), V(kon, "%10.0f"),

      // Options.
      V(cb, "%d"), V(tech1, "%d"), V(tech2, "%d"), V(matpur, "%d"), V(matcross, "%d"), V(utifemp, "%d"),
      V(utifemcr, "%d"), V(cast, "%d", {breed}), V(feedcost, "%d"), V(ewopt, "%d"), V(gene_flow, "%d"),
      V(mast_inc, "%d"), V(milkquota, "%d"), V(milkprice, "%d"), V(ind_a30, "%d"), V(ind_RCT, "%d"), V(LL, "%d"),
      V(gstd, "%d"), V(claw_inc, "%d"), V(rfi_calf, "%d"), V(rfi_h, "%d"), V(rfi_fa, "%d"), V(rfi_cow, "%d"),

      // Progeny and cow data.
      V(pbf, "%d", {breed}), V(pff, "%d", {breed}), V(paf, "%d", {breed}), V(mxmc, "%f", {breed}),
      V(mtest, "%f", {breed}), V(pcmf, "%f", {breed}), V(exfc, "%f"), V(bwf, "%10.3f", {breed}),
      V(bwm, "%10.3f", {breed}), V(agec1, "%10.2f", {breed}), V(agew, "%10.2f", {breed}),
      V(age, "%10.2f", {cats}, SUPPRESS), V(adgcf, "%10.4f", {breed}), V(adgcm, "%10.4f", {breed}),
      V(whmat1, "%10.3f", {breed}), V(adghm, "%10.4f", {breed}), V(adghmc, "%10.4f", {breed}),
      V(dayshc, "%10.2f", {breed}), V(adgwsf, "%10.4f", {breed}), V(adgwsm, "%10.4f", {breed}),
      V(adgwsc, "%10.4f", {breed}), V(dresh, "%10.3f", {breed}), V(dresb, "%10.3f", {breed}),
      V(dresc, "%10.3f", {breed}), V(dcw, "%f", {breed}), V(dmcf, "%f", {breed}), V(nmcf, "%f", {breed}),
      V(dccf, "%f", {breed}), V(nccf, "%f", {breed}), V(dfcf, "%f", {breed}), V(nfcf, "%f", {breed}),
      V(loshin, "%f", {breed}), V(sfrp, "%f", {breed}), V(DD, "%d"), V(dyscl, "%d"), V(lgpre, "%10.2f"),
      V(intcm, "%10.2f"), V(inint, "%10.2f"), V(dd, "%10.2f"), V(inmax, "%d"), V(inmaxh, "%d"), V(nr, "%f"),
      V(crdys, "%f"), V(cmd, "%f"), V(fat, "%10.4f"), V(prot, "%10.4f"), V(mcwd, "%10.3f"), V(mcwb, "%10.3f"),
      V(wpreg, "%10.3f"), V(adg1cow, "%f"), V(ndaydys, "%10.2f"), V(drescw, "%10.3f"), V(loswf, "%f"),
      V(losff, "%f"), V(dryf, "%f", {cats}, SUPPRESS), V(edf, "%f", {cats}, SUPPRESS),
      V(pdid, "%f", {cats}, SUPPRESS), V(rfi, "%f", {cats}, SUPPRESS), V(kbd, "%f"), V(kbl, "%f"), V(ktp, "%f"),
      V(ktb, "%f"), V(ktf, "%f"), V(wat, "%f", {cats}, SUPPRESS), V(straw, "%f", {cats}, SUPPRESS),
      V(dung, "%f", {cats}, SUPPRESS), V(prf, "%f", {cats}, SUPPRESS), V(prdg, "%f"), V(prst, "%f"),
      V(prwt, "%f"), V(praid, "%f"), V(praird, "%f"), V(praib, "%f"), V(prairb, "%f"), V(prc, "%f"),
      V(kpr, "%f", {cats}, SUPPRESS), V(costd, "%f", {cats}, SUPPRESS), V(costv, "%f", {cats}, SUPPRESS),
      V(vetdys, "%f", {classes}), V(labdys, "%f", {classes}), V(costlab, "%f"), spaced(V(varmilk, "%f")),
      V(fix, "%f", {cats}, SUPPRESS), V(u, "%f"), V(dotmilk, "%f"), V(dotcowo, "%f"), V(dotcowh, "%f"),
      V(dotexpm, "%f"), V(dotfati, "%f"), V(herdbook, "%f"), V(pcrossh, "%f"),

      // Reproduction-cycle, lactation and health data.
      V(pp, "%f", {cows}), V(culh, "%f", {cycle}), V(culvol, "%f", {cycle}), V(ab, "%f", {cycle}),
      V(stcd, "%f", {cycle}), V(stce, "%f", {cycle}), V(dcd, "%f", {cycle}), V(dce, "%f", {cycle}),
      V(pcross, "%f", {{0, m.LL - 2}}), V(ecrinc, "%f", {ins}), V(crinh, "%f", {insh}),
      V(dysff, "%8.4f", {classes, breed, cycle}, false, IndexStyle::commas),
      V(dysmm, "%8.4f", {classes, breed, cycle}, false, IndexStyle::commas), V(milk, "%10.2f"),
      V(b1, "%f"), V(b2, "%f"), V(b3, "%f"), V(c1, "%f"), V(c2, "%f"), V(c3, "%f"), V(d1, "%f"), V(d2, "%f"),
      V(d3, "%f"), V(costdrug, "%f"), V(labvet, "%f"), V(pricevet, "%f"), V(labherd, "%f"), V(priceherd, "%f"),
      V(costmach, "%f"), V(pricedry, "%f"), V(pdry, "%f"), V(ircmy, "%f", {cycle}), V(dmi, "%f", {three, day}),
      V(costacd, "%f"), V(labvetcd, "%f"), V(prvetcd, "%f"), V(costnacd, "%f"), V(labherdcd, "%f"),
      V(prherdcd, "%f"), V(ircdy, "%f", {cycle}), V(pacd, "%f", {cycle}), V(dcdi, "%f", {three, day}),

      // Feeding, carcass and price data.
      V(kdresh, "%f"), V(kdresb, "%f"), V(kdresc, "%f"), V(prh, "%f"), V(prb, "%f"), V(prcs, "%f"),
      V(p1, "%d"), V(p2, "%d"), V(wbfatb, "%10.3f"), V(whfatb, "%10.3f"), V(wcfatb, "%10.3f"),
      V(whfat, "%10.3f", {breed}), V(wbfat, "%10.3f", {breed}), V(wcfat, "%10.3f", {breed}),
      V(dryfwf, "%f", {breed}), V(edfwf, "%f", {breed}), V(pdidwf, "%f", {breed}), V(prfwf, "%f", {breed}),
      V(rfifc1, "%f", {breed}), V(rfimc1, "%f", {breed}), V(dryfwf2, "%f", {breed}), V(edfwf2, "%f", {breed}),
      V(pdidwf2, "%f", {breed}), V(prfwf2, "%f", {breed}), V(rfifc2, "%f", {breed}), V(rfimc2, "%f", {breed}),
      V(watwf, "%f", {breed}), V(dungwf, "%f", {breed}), V(strawwf, "%f", {breed}),
      V(costvetwf, "%f", {breed}), V(fixwf, "%f", {breed}), V(costvet, "%f", {cats}, SUPPRESS),
      V(costdf, "%f", {breed}), V(costdcf, "%f", {breed}), V(pr, "%f", {cats}, SUPPRESS),
      V(pranim, "%f", {cats}, SUPPRESS), V(adg10, "%f"), V(prf10, "%f"), V(pdid10, "%f"), V(edf10, "%f"),
      V(dryf10, "%f"), V(rfi10, "%f"), V(dung10, "%f"), V(straw10, "%f"), V(wat10, "%f"), V(costvet10, "%f"),
      V(fix10, "%f"), V(dottest, "%f"), V(Pb, "%10.4f", {cls1, cls2, breed}),
      V(Ph, "%10.4f", {cls1, cls2, breed}), V(Pcs, "%10.4f", {cls1, cls2, breed}),
      V(Pc, "%10.4f", {cls1, cls2, breed}), V(Prb, "%10.4f", {cls1, cls2}), V(Prh, "%10.4f", {cls1, cls2}),
      V(Prcs, "%10.4f", {cls1, cls2}), V(Prc, "%10.4f", {cls1, cls2}),

      // Milk payment data.
      V(prmilkb, "%8.3f"), V(nfat, "%d"), V(thfat, "%8.3f", {{0, m.nfat - 1}}),
      V(rf, "%8.3f", {three, {0, m.nfat}}), V(nprot, "%d"), V(thprot, "%8.3f", {{0, m.nprot - 1}}),
      V(rp, "%8.3f", {three, {0, m.nprot}}), V(sigmafat, "%f"), V(sigmaprot, "%f"), V(mSCS, "%f"),
      V(sigmaSCS, "%f"), V(nSCC, "%d"), V(tSCC, "%10.0f", {{0, m.nSCC - 2}}),
      V(prSCC, "%f", {{0, m.nSCC - 1}}), V(facSCC, "%f", {{0, m.nSCC - 1}}), V(a30, "%10.2f"),
      V(sigmaa30, "%f"), V(RCT, "%10.2f"), V(sigmaRCT, "%f"), V(na30, "%d"),
      V(tha30, "%8.3f", {{0, m.na30 - 1}}), V(ra30, "%f", {three, {0, m.na30}}), V(nRCT, "%d"),
      V(thRCT, "%8.3f", {{0, m.nRCT - 1}}), V(rRCT, "%f", {three, {0, m.nRCT}}),

      // Gene-flow data and trait marks.
      V(acsd, "%d"), V(acdd, "%d"), V(acsb, "%d"), V(acdc, "%d"), V(n_sac, "%d"), V(l_inv, "%f"),
      V(PM, "%f", {gene_classes, gene_classes}), V(flag, "%d", {{1, 8}}), V(to, "%d", {traits}),
      V(to3, "%d", {traits}), V(tt, "%d", {traits}), V(delta_d, "%3d", {traits}), V(delta_m, "%3d", {traits}),
      V(gstd_d, "%10.4f", {traits}), V(gstd_m, "%10.4f", {traits}),

      // Fixed coefficients.
      V(kconc, "%f", {ins}), V(kconh, "%f", {insh}), V(kbwmf, "%f", {breed}), V(kgcmf, "%f", {breed}),
      V(kghcf, "%f", {breed}), V(kghccf, "%f", {breed}), V(kdresbh, "%f", {breed}), V(kdresch, "%f", {breed}),
      V(kg10, "%f"), V(kdrescwh, "%f"), V(kmatc, "%f"), V(kgainmf, "%f", {breed}), V(kgaincf, "%f", {breed}),
      V(kslh, "%f", {breed}), V(kslc, "%f", {breed}), V(kslb, "%f", {breed}),
      V(tSCS, "%f", {{0, m.nSCC - 2}}),

      // Reproduction cycle of the cows.
      V(dysf, "%f", {breed, cycle}), V(dysm, "%f", {breed, cycle}), V(dys, "%f", {breed, cycle}),
      V(cal, "%f", {breed, cycle}), V(dysc, "%f", {cycle}), V(pcdys, "%f", {cycle}), V(dysmat, "%f", {cycle}),
      V(cmat, "%f", {cycle}), V(cpindys, "%f", {cycle, ins}), V(cpinndys, "%f", {cycle, ins}),
      V(cpin, "%f", {cycle, ins}), V(cp, "%f", {cycle}), V(ncp, "%f", {cycle}), V(pconc, "%f", {cycle, ins}),
      V(intconc, "%10.3f", {cycle}), V(ci, "%10.3f", {cycle}), V(dayslac, "%10.3f", {cycle}),
      V(clcm, "%f", {cycle}), V(clmc, "%f", {cycle}), V(cculcm, "%f", {cycle}), V(cculmc, "%f", {cycle}),

      // Herd chain.
      V(tmat, "%f", {states, states}), V(n, "%d"), V(l2, "%f", {gene_classes}), V(niter, "%d"),
      V(l3, "%f", {cycle_plus}), V(Ncalt, "%f"), V(avecalc, "%f"), V(life, "%10.2f", {cows}),
      V(ciav, "%10.3f"), V(avelifecy, "%10.4f"), V(avelifecl, "%10.4f"), V(losc, "%10.5f"),

      // Progeny.
      V(l1, "%10.5f", {cats}, SUPPRESS), V(d, "%10.2f", {cats}, SUPPRESS), V(dysav, "%f", {breed}),
      V(dysavave, "%f"), V(totcal, "%f", {breed}), V(Ncal, "%f", {breed}), V(deadfc, "%f", {breed, cycle}),
      V(deadmc, "%f", {breed, cycle}), V(dead48f, "%f", {breed, cycle}), V(dead48m, "%f", {breed, cycle}),
      V(pf, "%f", {breed, {1, 2}}), V(pm, "%f", {breed, {1, 2}}), V(Nfcba, "%f", {breed}),
      V(Nmcba, "%f", {breed}), V(Nfc48a, "%f", {breed}), V(Nmc48a, "%f", {breed}), V(losfw, "%f", {breed}),
      V(losmw, "%f", {breed}), V(Nfcw, "%f", {breed}), V(Nmcf, "%f", {breed}), V(Nmcfb, "%f", {breed}),
      V(Nmcfc, "%f", {breed}), V(conh, "%f", {insh}), V(tconh, "%f"), V(pconh, "%f", {insh}), V(hmpf, "%f"),
      V(Nfmat, "%f"), V(Nfrer, "%f"), V(Nfav, "%f"), V(Nffa, "%f", {breed}), V(sdcd, "%f"), V(sdce, "%f"),
      V(p_tot, "%f", {{1, 24}}), V(psum, "%f"), V(kp21, "%f", {breed}), V(kpm1, "%f", {breed}),
      V(kpm2, "%f", {breed}), V(calfloss, "%f", {breed}),

      // Growth.
      V(wwf, "%10.3f", {breed}), V(wwm, "%10.3f", {breed}), V(ww, "%10.3f", {cats}, SUPPRESS),
      V(agedcw, "%10.3f", {breed}), V(wdcwf, "%10.3f", {breed}), V(agesf, "%10.3f", {breed}),
      V(agesm, "%10.3f", {breed}), V(agesc, "%10.3f", {breed}), V(agedwsf, "%10.3f", {breed}),
      V(agedwsm, "%10.3f", {breed}), V(agedwsc, "%10.3f", {breed}), V(wdwsf, "%10.3f", {breed}),
      V(wdwsm, "%10.3f", {breed}), V(wdwsc, "%10.3f", {breed}), V(agecwsf, "%10.3f", {breed}),
      V(agecwsm, "%10.3f", {breed}), V(agecwsc, "%10.3f", {breed}), V(wcwsf, "%10.3f", {breed}),
      V(wcwsm, "%10.3f", {breed}), V(wcwsc, "%10.3f", {breed}), V(agehmat1, "%10.3f", {breed}),
      V(intconh, "%10.3f"), V(ageh1cal, "%10.3f", {breed}), V(wh1cal, "%10.3f"), V(agedmh, "%10.3f", {breed}),
      V(whdmh, "%10.3f"), V(agehcmat1, "%10.3f", {breed}), V(whcmat, "%10.3f"), V(wcacal, "%10.3f", {cycle}),
      V(wccal, "%10.3f", {cycle}), V(ndaycc, "%10.3f", {cycle}), V(ndaycd, "%10.3f", {cycle}),
      V(adg2cow, "%f"), V(wcd, "%10.3f", {cycle}), V(wcdys, "%10.3f", {cycle}), V(wcc, "%10.3f", {cycle}),
      V(wccw, "%10.3f", {cycle}),

      // Nutrition of young stock and fattened animals.
      V(bw, "%10.3f", {cats}, SUPPRESS), V(adg, "%10.3f", {cats}, SUPPRESS), V(dc1, "%10.3f", {cats}, SUPPRESS),
      V(dp, "%10.3f", {cats}, SUPPRESS), V(ne, "%10.3f", {cats}, SUPPRESS), V(pdi, "%10.3f", {cats}, SUPPRESS),
      V(ne2, "%10.3f", {cats}, SUPPRESS), V(pdi2, "%10.3f", {cats}, SUPPRESS),
      V(nepc, "%10.3f", {cats}, SUPPRESS), V(pdipc, "%10.3f", {cats}, SUPPRESS), V(kce, "%f", {breed}),
      V(kcp, "%f", {breed}), V(kt, "%f"), V(ne10, "%10.3f"), V(pdi10, "%10.3f"), V(d1w, "%10.3f", {breed}),
      V(newf, "%10.3f", {breed}), V(newm, "%10.3f", {breed}), V(pdiwf, "%10.3f", {breed}),
      V(pdiwm, "%10.3f", {breed}), V(newf2, "%10.3f", {breed}), V(newm2, "%10.3f", {breed}),
      V(pdiwf2, "%10.3f", {breed}), V(pdiwm2, "%10.3f", {breed}),

      // Nutrition of cows.
      V(sp, "%10.3f", {cows}, SUPPRESS), V(dl, "%10.3f", {cows}, SUPPRESS), V(nem, "%10.3f", {cows}, SUPPRESS),
      V(pdim, "%10.3f", {cows}, SUPPRESS), V(neg, "%10.3f", {cows}, SUPPRESS),
      V(pdig, "%10.3f", {cows}, SUPPRESS), V(nel, "%10.3f", {cows}, SUPPRESS),
      V(pdil, "%10.3f", {cows}, SUPPRESS), V(milksum, "%10.2f", {cows}, SUPPRESS),
      V(zzmilksum, "%10.2f", {cows}, SUPPRESS), V(nl, "%f", {cycle}, SUPPRESS), V(nd, "%f", {cycle}),
      V(cowyear, "%10.4f"), V(ecm, "%10.4f"), V(pdiml, "%10.4f"), V(a1, "%10.4f"), V(a2, "%10.4f"),
      V(milk305, "%10.2f", {three}), V(milk21, "%10.4f"), V(milk31, "%10.4f"), V(milk305ave, "%10.2f"),
      V(fat305ave, "%10.2f"), V(prot305ave, "%10.2f"),

      // Feed intake and feed costs.
      V(kff, "%f"), V(kfw, "%f"), V(dryf2, "%f", {cats}, SUPPRESS), V(edf2, "%f", {cats}, SUPPRESS),
      V(pdid2, "%f", {cats}, SUPPRESS), V(prf2, "%f", {cats}, SUPPRESS), V(rfi2, "%f", {cats}, SUPPRESS),
      V(fe, "%10.3f", {cats}, SUPPRESS), V(fpdi, "%10.3f", {cats}, SUPPRESS),
      V(tdrye, "%10.3f", {cats}, SUPPRESS), V(tdrypdi, "%10.3f", {cats}, SUPPRESS),
      V(tdry, "%10.3f", {cats}, SUPPRESS), V(ddry, "%10.3f", {cats}, SUPPRESS), V(f, "%10.3f", {cats}, SUPPRESS),
      V(costwt, "%10.4f", {cats}, SUPPRESS), V(costf, "%10.4f", {cats}, SUPPRESS),
      V(fe2, "%10.3f", {cats}, SUPPRESS), V(fpdi2, "%10.3f", {cats}, SUPPRESS), V(tdrye2, "%10.3f", {cats}),
      V(tdrypdi2, "%10.3f", {cats}), V(tdry2, "%10.3f", {cats}), V(dc2, "%10.3f", {cats}),
      V(ddry2, "%10.3f", {cats}), V(f2, "%10.3f", {cats}, SUPPRESS), V(dryfwm, "%f", {breed}),
      V(edfwm, "%f", {breed}), V(pdidwm, "%f", {breed}), V(prfwm, "%f", {breed}), V(watwm, "%f", {breed}),
      V(dryfwm2, "%f", {breed}), V(edfwm2, "%f", {breed}), V(pdidwm2, "%f", {breed}),
      V(prfwm2, "%f", {breed}), V(fewm, "%10.3f", {breed}), V(fewf, "%10.3f", {breed}),
      V(fpdiwm, "%10.3f", {breed}), V(fpdiwf, "%10.3f", {breed}), V(tdryewm, "%10.3f", {breed}),
      V(tdryewf, "%10.3f", {breed}), V(tdrypdiwm, "%10.3f", {breed}), V(tdrypdiwf, "%10.3f", {breed}),
      V(tdrywm, "%10.3f", {breed}), V(tdrywf, "%10.3f", {breed}), V(ddrywm, "%10.3f", {breed}),
      V(ddrywf, "%10.3f", {breed}), V(fwm, "%10.3f", {breed}), V(fwf, "%10.3f", {breed}),
      V(fewm2, "%10.3f", {breed}), V(fewf2, "%10.3f", {breed}), V(fpdiwm2, "%10.3f", {breed}),
      V(fpdiwf2, "%10.3f", {breed}), V(tdryewm2, "%10.3f", {breed}), V(tdryewf2, "%10.3f", {breed}),
      V(tdrypdiwm2, "%10.3f", {breed}), V(tdrypdiwf2, "%10.3f", {breed}), V(tdrywm2, "%10.3f", {breed}),
      V(tdrywf2, "%10.3f", {breed}), V(ddrywm2, "%10.3f", {breed}), V(ddrywf2, "%10.3f", {breed}),
      V(fwm2, "%10.3f", {breed}), V(fwf2, "%10.3f", {breed}), V(costwwm, "%10.4f", {breed}),
      V(costwwf, "%10.4f", {breed}), V(costfwm, "%10.4f", {breed}), V(costfwf, "%10.4f", {breed}),
      V(fe10, "%10.3f"), V(fpdi10, "%10.3f"), V(tdrye10, "%10.3f"), V(tdrypdi10, "%10.3f"),
      V(tdry10, "%10.3f"), V(ddry10, "%10.3f"), V(f10, "%10.3f"),

      // Costs.
      V(costh, "%10.4f", {cats}, SUPPRESS), V(costfix, "%10.4f", {cats}, SUPPRESS),
      V(nin, "%10.4f", {cats}, SUPPRESS), V(costi, "%10.4f", {cats}, SUPPRESS),
      V(costmilkv, "%10.4f", {cows}, SUPPRESS), V(dmilksum, "%10.2f", {cows}, SUPPRESS),
      V(costo, "%10.4f", {cats}, SUPPRESS), V(cost, "%10.4f", {cats}, SUPPRESS), V(costvetwm, "%f", {breed}),
      V(strawwm, "%f", {breed}), V(dungwm, "%f", {breed}), V(fixwm, "%f", {breed}),
      V(costhwm, "%10.4f", {breed}), V(costhwf, "%10.4f", {breed}), V(costfixwm, "%10.4f", {breed}),
      V(costfixwf, "%10.4f", {breed}), V(costwm, "%10.4f", {breed}), V(costwf, "%10.4f", {breed}),
      V(ninr, "%f", {cycle}), V(costvetc, "%10.4f"), V(costhc, "%10.4f"), V(costoc, "%10.4f"),
      V(costfixc, "%10.4f"), V(costfc, "%10.4f"), V(costc, "%10.4f"), V(dysavs, "%10.4f", {classes, breed, cycle}),
      V(dysavh, "%f", {classes}), V(costdys, "%10.4f"),

      // Milk price and disease losses.
      V(Phiscc, "%f", {{0, m.nSCC - 2}}), V(pSCC, "%f", {{0, m.nSCC - 1}}), V(prscc, "%f"),
      V(prmilkf, "%f", {{0, m.nfat}}), V(prmilkp, "%f", {{0, m.nprot}}), V(prmilka30, "%f", {{0, m.na30}}),
      V(prmilkRCT, "%f", {{0, m.nRCT}}), V(prmilkfp, "%8.3f"), V(prmilk, "%8.3f"),
      V(discow, "%10.3f", {cows}, SUPPRESS), V(dismilk, "%10.3f"), V(lossmilk, "%10.4f"), V(ymi, "%f"),
      V(costvetm, "%10.4f"), V(costlabm, "%10.4f"), V(pydry, "%f"), V(costom, "%10.4f"),
      V(losstotal, "%10.4f"), V(discd, "%10.3f", {cows}, SUPPRESS), V(dismcd, "%10.3f"),
      V(lossmcd, "%10.4f"), V(yacdi, "%f"), V(ynacdi, "%f"), V(ycdi, "%f"), V(costvetcd, "%10.4f"),
      V(costhcd, "%10.4f"), V(losstcd, "%10.4f"),

      // Revenues.
      V(revmilk, "%10.4f", {cows}, SUPPRESS), V(rev, "%10.4f", {cats}, SUPPRESS), V(revc, "%10.4f"),
      V(revmilkc, "%10.4f"), V(revcullc, "%10.4f"),

      // Discounted expressions and profit.
      V(tr, "%10.5f", {cats}, SUPPRESS), V(tc, "%10.5f", {cats}, SUPPRESS), V(qr, "%10.5f", {cats}, SUPPRESS),
      V(qc, "%10.5f", {cats}, SUPPRESS), V(NDEr, "%10.5f", {cats}, SUPPRESS),
      V(NDEc, "%10.5f", {cats}, SUPPRESS), V(NDEdys, "%10.5f"), V(Trev, "%10.4f"), V(Tcost, "%10.4f"),
      V(dot, "%10.4f"), V(Tprof, "%10.4f"), V(milktot, "%10.2f"), V(fatkg, "%10.2f"), V(protkg, "%10.2f"),
      V(profitab, "%10.4f"), V(profitabd, "%10.4f"),

      // Economic weights.
      V(ew0, "%10.4f", {traits, three}, SUPPRESS), V(ew, "%10.4f", {traits, three}, SUPPRESS),
      V(ewdiff, "%10.4f", {traits, breed}, SUPPRESS), V(ewc, "%10.4f", {traits, breed}, SUPPRESS),
      V(ew_d, "%10.4f", {traits}, SUPPRESS), V(ew_m, "%10.4f", {traits}, SUPPRESS),
      V(ewst_d, "%10.4f", {traits}, SUPPRESS), V(ewst_m, "%10.4f", {traits}, SUPPRESS), V(ewsum_d, "%10.4f"),
      V(ewsum_m, "%10.4f"), V(ewsum, "%10.4f"), V(ewr_dd, "%10.4f", {traits}, SUPPRESS),
      V(ewr_da, "%10.4f", {traits}, SUPPRESS), V(ewr_mm, "%10.4f", {traits}, SUPPRESS),
      V(ewr_ma, "%10.4f", {traits}, SUPPRESS), V(deltamilk, "%f"), V(deltacow, "%f"),
      V(Pcflmcc, "%10.4f", {breed}), V(Pcflmcb, "%10.4f", {breed}), V(Pcflmch, "%10.4f", {breed}),
      V(Pcflmcca, "%10.4f", {breed}), V(Pcfcmcc, "%10.4f", {breed}), V(Pcfcmcb, "%10.4f", {breed}),
      V(Pcfcmch, "%10.4f", {breed}), V(Pcfcmcca, "%10.4f", {breed}), V(dysscoreavf, "%10.4f", {breed}),
      V(dysscoreavm, "%10.4f", {breed}), V(zzdist, "%f", {score_classes, score_cells}), V(margsc, "%f", {score_classes}),
      V(thrsc, "%f", {score_classes}), V(nwarn, "%d"), V(ewwarn, "%d", {{0, m.nwarn - 1}, three}),

      // Gene flow.
      V(acm, "%d"), V(m_gf0, "%f", {gene_classes}, SUPPRESS), V(m_gf, "%f", {gene_classes}, SUPPRESS),
      V(m_sum, "%f", {gene_classes}, SUPPRESS), V(hd, "%f", {gene_classes}, SUPPRESS),
      V(hm, "%f", {gene_classes}, SUPPRESS), V(ewwd, "%10.4f", {traits, gene_classes}, SUPPRESS),
      V(ewwm, "%10.4f", {traits, gene_classes}, SUPPRESS), V(pc, "%f"), V(L3, "%d"), V(tconh3, "%f"),
  };
  return t;
}

#undef V

}  // namespace zelvan
