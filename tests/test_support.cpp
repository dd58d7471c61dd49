#include "test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "input/readers.h"

namespace zelvan::testing_support {

namespace fs = std::filesystem;

namespace {

// The program's stops end the process with exit status 0, which the test
// runner would count as a pass. A stop in the middle of a test (outside a
// death test, which expects it) is turned into a failure.
bool test_running = false;

class StopGuard : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { test_running = true; }
  void OnTestEnd(const ::testing::TestInfo&) override { test_running = false; }
};

void fail_unexpected_stop() {
  if (test_running && !::testing::internal::InDeathTestChild()) {
    std::fputs("\nThe program stopped in the middle of a test.\n", stderr);
    std::_Exit(1);
  }
}

const bool stop_guard_installed = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new StopGuard);
  std::atexit(fail_unexpected_stop);
  return true;
}();

}  // namespace

ScratchDir::ScratchDir() {
  previous_ = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "zelvan-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  EXPECT_NE(made, nullptr);
  path_ = pattern;
  fs::current_path(path_);
}

ScratchDir::~ScratchDir() {
  fs::current_path(previous_);
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void copy_example(const std::string& name) {
  const fs::path dir = fs::path(ZELVAN_EXAMPLES) / name;
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), entry.path().filename(), fs::copy_options::overwrite_existing);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

void replace_in_file(const std::string& path, const std::string& from, const std::string& to, int n) {
  std::string text = read_file(path);
  size_t pos = std::string::npos;
  size_t start = 0;
  for (int i = 0; i < n; ++i) {
    pos = text.find(from, start);
    ASSERT_NE(pos, std::string::npos) << "occurrence " << i + 1 << " of \"" << from << "\" in " << path;
    start = pos + 1;
  }
  text.replace(pos, from.size(), to);
  write_file(path, text);
}

std::unique_ptr<Model> new_model() {
  auto m = std::make_unique<Model>();
  init_model(*m);
  return m;
}

TestIo::TestIo() {
  io.out = std::tmpfile();
  std::snprintf(io.results_name, sizeof io.results_name, "%s", "RESULTS.TXT");
  if (fs::exists("TEXTD_OUT.TXT")) io.textd = open_text("TEXTD_OUT.TXT");
}

TestIo::~TestIo() {
  if (io.out != nullptr) std::fclose(io.out);
  if (io.textd.fp != nullptr) close_text(io.textd);
}

std::string TestIo::results() {
  std::fflush(io.out);
  const long end = std::ftell(io.out);
  std::string text(static_cast<size_t>(end), '\0');
  std::rewind(io.out);
  const size_t got = std::fread(text.data(), 1, text.size(), io.out);
  text.resize(got);
  std::fseek(io.out, end, SEEK_SET);
  return text;
}

void load_parad(Model& m, Io& io) {
  outputrw(io.textd, io.out);
  read_parad(m, io);
}

void set_numbers(const std::string& path, const std::string& text, const std::string& numbers) {
  std::string s = read_file(path);
  const size_t quote = s.find("\"" + text);
  ASSERT_NE(quote, std::string::npos) << "item \"" << text << "\" in " << path;
  const size_t end = s.find_last_not_of(" \t\r\n", quote - 1) + 1;
  const size_t newline = s.rfind('\n', end - 1);
  const size_t start = newline == std::string::npos ? 0 : newline + 1;
  s.replace(start, end - start, numbers);
  write_file(path, s);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string joined(std::initializer_list<double> numbers) {
  std::string s;
  char buffer[32];
  for (double x : numbers) {
    std::snprintf(buffer, sizeof buffer, s.empty() ? "%g" : " %g", x);
    s += buffer;
  }
  return s;
}

std::string without_clock(const std::string& text) {
  static const std::regex seconds(R"((needed )[0-9.]+( seconds))"), readings(R"(\n(zac|kon) = [^\n]*)");
  return std::regex_replace(std::regex_replace(text, seconds, "$1#$2"), readings, "");
}

std::string read_with(Model& m, Io& io, Reader reader, const char* file) {
  TextIn in = open_text(file);
  reader(m, io, in);
  std::string rest;
  if (in.fp != nullptr) {
    for (int c = std::fgetc(in.fp); c != EOF; c = std::fgetc(in.fp)) rest.push_back(static_cast<char>(c));
  }
  close_text(in);
  const size_t first = rest.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return rest.substr(first, rest.find_last_not_of(" \t\r\n") + 1 - first);
}

void read_all_input(Model& m, TestIo& t) {
  if (t.io.textd.fp == nullptr) t.io.textd = open_text("TEXTD_OUT.TXT");
  ::testing::internal::CaptureStdout();
  load_parad(m, t.io);
  read_data_files(m, t.io);
  ::testing::internal::GetCapturedStdout();
}

std::unique_ptr<Model> run_example(const char* example, const std::function<void(Model&)>& edit,
                                   const std::function<void(Model&)>& run) {
  copy_example(example);
  auto m = new_model();
  TestIo t;
  read_all_input(*m, t);
  ::testing::internal::CaptureStdout();
  fixed_coefficients(*m);
  if (edit) edit(*m);
  run(*m);
  ::testing::internal::GetCapturedStdout();
  return m;
}

void expect_stop(const std::function<void()>& run, const std::string& message) {
  EXPECT_EXIT(
      {
        dup2(2, 1);
        run();
      },
      ::testing::ExitedWithCode(0), message)
      << message;
}

ProgramRun run_program_here(const std::string& answer) {
  const std::string command = "echo '" + answer + "' | " + ZELVAN_BINARY + " 2>STDERR.LOG";
  ProgramRun run{"", -1, ""};
  std::FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return run;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, p)) > 0) run.out.append(buffer, got);
  const int status = pclose(p);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = read_file("STDERR.LOG");
  return run;
}

}  // namespace zelvan::testing_support
