#include "batch/locate.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>

#include "batch/process.h"
#include "batch/variables.h"
#include "input/readers.h"

namespace zelvan::batch {

namespace {

// The mark held by a variable until a number fills it: a NaN for reals, an
// unlikely integer for whole numbers.
void put_mark(const Element& e) {
  const std::uint32_t f = 0x7fa5a5a5u;
  const std::uint64_t d = 0x7ff4a5a5a5a5a5a5ull;
  const int i = -2109876543;
  if (e.kind == ElemKind::f32) std::memcpy(e.address, &f, sizeof f);
  if (e.kind == ElemKind::f64) std::memcpy(e.address, &d, sizeof d);
  if (e.kind == ElemKind::i32) std::memcpy(e.address, &i, sizeof i);
}

std::uint64_t bits_of(const Element& e) {
  std::uint64_t b = 0;
  std::memcpy(&b, e.address, e.kind == ElemKind::f64 ? 8 : 4);
  return b;
}

struct Number {
  std::string file;
  long begin, end;
  NumberKind kind;
  double value;
  bool count = false;
};

// Does the number, converted as read, equal the element's value?
bool fills(const Number& n, const Element& e) {
  const double v = element_value(e);
  switch (n.kind) {
    case NumberKind::i32: return e.kind != ElemKind::f64 && v == n.value;
    case NumberKind::f32: return e.kind == ElemKind::f32 && static_cast<float>(v) == static_cast<float>(n.value);
    default: return e.kind == ElemKind::f64 && v == n.value;
  }
}

constexpr int kUnread = -1, kDerived = -2, kAmbiguous = -3;

// Told of every number; at each number it looks whether a variable asked for
// changed since the number before, and if so which recent number it holds:
// the last one when it matches (read straight into the variable), otherwise
// the only matching number of the same file read since the last change (read
// into a local first and stored after).
struct Tracker final : NumberRecorder {
  std::vector<Number> numbers;
  std::vector<Element> targets;
  std::vector<std::uint64_t> seen;
  std::vector<int> from;
  std::size_t window = 0;

  void look() {
    bool changed = false;
    for (std::size_t t = 0; t < targets.size(); ++t) {
      const std::uint64_t b = bits_of(targets[t]);
      if (b == seen[t]) continue;
      seen[t] = b;
      changed = true;
      from[t] = kDerived;
      if (!numbers.empty() && fills(numbers.back(), targets[t])) {
        from[t] = static_cast<int>(numbers.size()) - 1;
        continue;
      }
      for (std::size_t k = window; k < numbers.size(); ++k) {
        if (numbers[k].file != numbers.back().file || !fills(numbers[k], targets[t])) continue;
        from[t] = from[t] == kDerived ? static_cast<int>(k) : kAmbiguous;
      }
    }
    if (changed) window = numbers.size();
  }
  void number(const char* name, long begin, long end, NumberKind kind, double value) override {
    look();
    numbers.push_back({name, begin, end, kind, value});
  }
  void count(const char* name) override {
    for (auto n = numbers.rbegin(); n != numbers.rend(); ++n)
      if (n->file == name) {
        n->count = true;
        return;
      }
  }
};

// The reading of the data files in the child; writes one line per target.
[[noreturn]] void child_reads(const std::string& dir, const std::vector<std::string>& wanted_names, int result_fd,
                              int console_fd) {
  dup2(console_fd, 1);
  dup2(console_fd, 2);
  if (chdir(dir.c_str()) != 0) _exit(3);
  auto m = std::make_unique<Model>();
  init_model(*m);
  // Options are found through their reader's order; the other variables
  // carry the mark and are watched. A name that is no variable watches a
  // spare word that nothing writes.
  Tracker tr;
  int spare = 0;
  std::vector<std::string> lines(wanted_names.size());
  std::vector<int> option(wanted_names.size(), -1);
  for (std::size_t i = 0; i < wanted_names.size(); ++i) {
    Element e;
    std::string why;
    if (!find_element(*m, wanted_names[i], e, why)) {
      lines[i] = "E " + why;
      e = Element{wanted_names[i], &spare, ElemKind::i32};
    } else if ((option[i] = option_position(*m, e.address)) < 0) {
      put_mark(e);
    }
    tr.targets.push_back(e);
    tr.seen.push_back(bits_of(e));
  }
  tr.from.assign(wanted_names.size(), kUnread);

  Io io{};
  io.recorder = &tr;
  io.textd = open_text("TEXTD_OUT.TXT");
  io.out = std::fopen("/dev/null", "w");
  read_parad(*m, io);
  read_data_files(*m, io);
  tr.look();

  std::vector<int> parad;
  for (std::size_t k = 0; k < tr.numbers.size(); ++k)
    if (tr.numbers[k].file == "PARAD.TXT") parad.push_back(static_cast<int>(k));
  std::ostringstream out;
  out.precision(17);
  for (std::size_t i = 0; i < wanted_names.size(); ++i) {
    int k = tr.from[i];
    if (lines[i].empty() && option[i] >= 0 && parad.size() >= kOptions)
      k = parad[parad.size() - kOptions + option[i]];
    if (!lines[i].empty()) {
      out << lines[i] << "\n";
    } else if (k == kUnread) {
      out << "E " << wanted_names[i] << " is not read from any data file with these options\n";
    } else if (k == kDerived) {
      out << "E " << wanted_names[i] << " is not read as it stands in a data file: the model sets it from other inputs\n";
    } else if (k == kAmbiguous) {
      out << "E " << wanted_names[i] << " cannot be told apart from equal numbers read with it\n";
    } else {
      const Number& n = tr.numbers[k];
      out << "L " << (option[i] >= 0 ? 1 : 0) << " " << (n.count ? 1 : 0) << " " << n.file << " " << n.begin << " "
          << n.end << " " << (n.kind == NumberKind::i32 ? 1 : 0) << " "
          << (option[i] >= 0 ? n.value : element_value(tr.targets[i])) << "\n";
    }
  }
  const std::string text = out.str();
  if (write(result_fd, text.data(), text.size()) < 0) _exit(4);
  std::fflush(nullptr);
  _exit(0);
}

std::string read_fd(int fd) {
  std::string s;
  lseek(fd, 0, SEEK_SET);
  char buf[4096];
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<std::size_t>(n));
  return s;
}

int line_at(const std::string& text, long pos) {
  int line = 1;
  for (long i = 0; i < pos && i < static_cast<long>(text.size()); ++i) line += text[i] == '\n';
  return line;
}

}  // namespace

LocateRun locate(const std::string& dir, const std::vector<std::string>& wanted_names) {
  LocateRun run;
  std::FILE* result = std::tmpfile();
  std::FILE* console = std::tmpfile();
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) child_reads(dir, wanted_names, fileno(result), fileno(console));
  int status = 0;
  waitpid(pid, &status, 0);
  const std::string answer = read_fd(fileno(result));
  const std::string said = read_fd(fileno(console));
  std::fclose(result);
  std::fclose(console);
  std::istringstream in(answer);
  std::string line;
  for (const std::string& wanted : wanted_names) {
    Located l;
    l.wanted = wanted;
    if (!std::getline(in, line)) {
      run.stopped = true;
      l.error = "the data files could not be read";
    } else if (line[0] == 'E') {
      l.error = line.substr(2);
    } else {
      std::istringstream f(line.substr(2));
      int option = 0, count = 0, whole = 0;
      f >> option >> count >> l.file >> l.begin >> l.end >> whole >> l.value;
      l.option = option == 1;
      l.whole = whole == 1;
      const std::string text = read_file(dir + "/" + l.file);
      while (l.begin < l.end && std::isspace(static_cast<unsigned char>(text[l.begin]))) ++l.begin;
      l.line = line_at(text, l.begin);
      if (count == 1)
        l.error = wanted + " is a count: how many numbers follow in " + l.file + " depends on it";
    }
    run.at.push_back(l);
  }
  if (run.stopped) {
    std::istringstream c(said);
    for (std::string x; std::getline(c, x);)
      if (!x.empty() && x.rfind("Reading data from", 0) != 0) run.message += (run.message.empty() ? "" : " ") + x;
  }
  return run;
}

bool edit_number(const std::string& dir, const Located& where, double value, std::string& why) {
  const std::string path = dir + "/" + where.file;
  std::string text = read_file(path);
  const long start = where.begin;
  char number[64];
  if (where.whole) {
    if (value != std::floor(value)) {
      why = where.wanted + " is a whole number in " + where.file + "; " + std::to_string(value) + " is not";
      return false;
    }
    std::snprintf(number, sizeof number, "%.0f", value);
  } else {
    std::snprintf(number, sizeof number, "%.9g", value);
  }
  text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(where.end - start), number);
  write_file(path, text);
  return true;
}

}  // namespace zelvan::batch
