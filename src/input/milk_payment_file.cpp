// INPUT28.TXT: how milk is paid. The file always holds all nine sections;
// the milk payment system (milkprice) and the options for the coagulation
// traits decide which items are read and which are passed over.
//
//   milkprice  base price  fat/protein classes  cell-count classes
//       1         yes            no                  no
//       2         no             no                  limits, prices
//       3         yes            yes                 no
//       4         no             yes                 limits, prices
//       5         yes            yes                 limits, factors, prices
#include <cstdio>

#include "input/items.h"
#include "input/messages.h"
#include "input/readers.h"

namespace zelvan {

namespace {

// Blanks that indent the rows of a class table under the item's texts.
constexpr const char* kTableIndent = "\n         ";

// Number of class limits of a paid trait: -1 (or any negative number)
// means the trait is not paid for; a table has one class more than limits,
// and at most NTHR classes.
int read_class_count(Io& io, TextIn& in, const char* item) { return read_count(io, in, item, kNoLimit, NTHR - 1); }

// Ascending class limits of a trait, echoed after the texts; with no
// limits (n < 1) the item is passed over.
void read_limits(Io& io, TextIn& in, int n, float* limits) {
  if (n < 1) {
    readdes(in);
    return;
  }
  for (int k = 0; k < n; ++k) limits[k] = scan_float(in);
  wrides(in, io.out);
  for (int k = 0; k < n; ++k) std::fprintf(io.out, "%6.2f", limits[k]);
}

// Payment per class: three parameters for each of the n + 1 classes, given
// class by class; echoed one class per line under the texts. A trait that
// is not paid for (n = -1) has its table passed over.
void read_class_table(Io& io, TextIn& in, int n, float (&table)[3][NTHR], const char* format) {
  if (n == -1) {
    readdes(in);
    return;
  }
  for (int k = 0; k <= n; ++k) {
    for (int r = 0; r < 3; ++r) table[r][k] = scan_float(in);
  }
  wrides(in, io.out);
  std::fputs(kTableIndent, io.out);
  for (int k = 0; k <= n; ++k) {
    if (k > 0) std::fputs(kTableIndent, io.out);
    for (int r = 0; r < 3; ++r) std::fprintf(io.out, format, table[r][k]);
  }
}

// Classes of a coagulation trait (sections 8 and 9): count, limits, table.
void read_coagulation_classes(Io& io, TextIn& in, int paid, int& n, float* limits,
                              float (&table)[3][NTHR], const char* count_item) {
  if (paid != 1) {
    skip_items(in, 3);
    return;
  }
  n = read_class_count(io, in, count_item);
  read_limits(io, in, n, limits);
  read_class_table(io, in, n, table, "%12.6f");
}

// The content payments integrate over the normal distribution of the trait
// among the deliveries: a trait that is paid for needs a positive spread.
[[noreturn]] void stop_no_spread(const char* item) {
  std::printf("\nIn the file INPUT28.TXT, the standard deviation %s is not positive,\n", item);
  std::puts("but the payment classes of this trait need the spread of its values.");
  std::puts("Correct the error in INPUT28.TXT and restart the program.");
  common_stop();
}

void check_spreads(const Model& m) {
  if (m.milkprice < 3) return;
  const struct {
    bool paid;
    float sd;
    const char* item;
  } traits[] = {
      {m.nfat >= 0, m.sigmafat, "sigmafat (fat content)"},
      {m.nprot >= 0, m.sigmaprot, "sigmaprot (protein content)"},
      {m.ind_a30 == 1 && m.na30 >= 0, m.sigmaa30, "sigmaa30 (a30)"},
      {m.ind_RCT == 1 && m.nRCT >= 0, m.sigmaRCT, "sigmaRCT (RCT)"},
  };
  for (const auto& t : traits)
    if (t.paid && !(t.sd > 0.0f)) stop_no_spread(t.item);
}

}  // namespace

void read_input28(Model& m, Io& io, TextIn& in) {
  // What a payment system leaves out is fixed before reading: no base price
  // unless one is read, content not paid for in systems 1 and 2, a single
  // cell-count class in systems 1 and 3.
  m.prmilkb = 0.0f;
  if (m.milkprice == 1 || m.milkprice == 2) {
    m.nfat = -1;
    m.nprot = -1;
  }
  if (m.milkprice == 1 || m.milkprice == 3) m.nSCC = 1;

  // 1. Base price.
  readcom(in);
  if (m.milkprice == 1 || m.milkprice == 3 || m.milkprice == 5) {
    m.prmilkb = readfloat(io.out, in);
  } else {
    readdes(in);
  }

  // 2. Fat and protein classes.
  readcom(in);
  if (m.milkprice < 3) {
    skip_items(in, 8);
  } else {
    m.nfat = read_class_count(io, in, "nfat (number of class limits of fat content)");
    read_limits(io, in, m.nfat, m.thfat);
    m.nprot = read_class_count(io, in, "nprot (number of class limits of protein content)");
    read_limits(io, in, m.nprot, m.thprot);
    read_class_table(io, in, m.nfat, m.rf, "%8.3f");
    read_class_table(io, in, m.nprot, m.rp, "%8.3f");
    m.sigmafat = readfloat(io.out, in);
    m.sigmaprot = readfloat(io.out, in);
  }

  // 3. Somatic cell score and cell-count classes.
  readcom(in);
  if (m.milkprice == 2 || m.milkprice >= 4) {
    m.mSCS = readfloat(io.out, in);
    m.sigmaSCS = readfloat(io.out, in);
    m.nSCC = read_count(io, in, "nSCC (number of somatic cell count classes)", 1, NSCC);
    read_vector(io, in, m.tSCC, m.nSCC - 1, "%8.0f");
  } else {
    skip_items(in, 4);
  }

  // 4. Payment per cell-count class.
  readcom(in);
  if (m.milkprice == 2 || m.milkprice == 4) {
    read_vector(io, in, m.prSCC, m.nSCC, "%8.4f");
  } else {
    readdes(in);
  }

  // 5. Price factor and payment per cell-count class, class by class.
  readcom(in);
  if (m.milkprice == 5) {
    for (int i = 0; i < m.nSCC; ++i) {
      m.facSCC[i] = scan_float(in);
      m.prSCC[i] = scan_float(in);
    }
    wrides(in, io.out);
    std::fputs(kTableIndent, io.out);
    for (int i = 0; i < m.nSCC; ++i) {
      if (i > 0) std::fputs(kTableIndent, io.out);
      std::fprintf(io.out, "%10.3f%10.3f", m.facSCC[i], m.prSCC[i]);
    }
  } else {
    readdes(in);
  }

  // 6. and 7. Herd means of the coagulation traits; they are read whenever
  // the trait is part of the model, whatever the payment system.
  readcom(in);
  if (m.ind_a30 == 1) {
    m.a30 = readfloat(io.out, in);
    m.sigmaa30 = readfloat(io.out, in);
  } else {
    skip_items(in, 2);
  }
  readcom(in);
  if (m.ind_RCT == 1) {
    m.RCT = readfloat(io.out, in);
    m.sigmaRCT = readfloat(io.out, in);
  } else {
    skip_items(in, 2);
  }

  // 8. and 9. Payment classes of the coagulation traits. Without content
  // payment both sections are passed over together; readdes counts quotes
  // only, so the comment of section 9 goes with them.
  readcom(in);
  if (m.milkprice < 3) {
    skip_items(in, 6);
  } else {
    read_coagulation_classes(io, in, m.ind_a30, m.na30, m.tha30, m.ra30,
                             "na30 (number of class limits of a30)");
    readcom(in);
    read_coagulation_classes(io, in, m.ind_RCT, m.nRCT, m.thRCT, m.rRCT,
                             "nRCT (number of class limits of RCT)");
  }

  std::fputs("\n\n", io.out);
  check_spreads(m);
}

}  // namespace zelvan
