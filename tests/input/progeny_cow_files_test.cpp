// Counts in INPUT11.TXT (cows) that would index past the model's arrays
// stop the program naming the file and the item.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// The holstein example in a scratch directory, edited by each test before
// the model reads it the way the reading order does.
class ProgenyCowFilesDeathTest : public ::testing::Test {
 protected:
  void SetUp() override { copy_example("holstein"); }
  // PARAD.TXT into a fresh model; the results so far are flushed, so that
  // the child of a death test does not write them once more.
  void start() {
    t = std::make_unique<TestIo>();
    m = new_model();
    ::testing::internal::CaptureStdout();
    load_parad(*m, t->io);
    ::testing::internal::GetCapturedStdout();
    std::fflush(t->io.out);
  }
  // Reads PARAD.TXT and the file; returns the echo of the file.
  std::string read(Reader reader, const char* file, bool fresh = true) {
    if (fresh) start();
    const size_t before = t->results().size();
    EXPECT_EQ(read_with(*m, t->io, reader, file), "") << file;
    return t->results().substr(before);
  }
  ScratchDir dir;
  std::unique_ptr<TestIo> t;
  std::unique_ptr<Model> m;
};

TEST_F(ProgenyCowFilesDeathTest, CountsOutsideTheArraysStop) {
  const struct {
    const char *item, *value, *message;
  } cases[] = {
      {"Number of calving difficulty classes", "0", "INPUT11\\.TXT, the value 0 of DD .*range 1 to 6"},
      {"Number of calving difficulty classes", "7", "the value 7 of DD .*range 1 to 6"},
      {"First calving difficulty class", "0", "the value 0 of dyscl .*is below 1"},
      {"Maximum number of inseminations of a cow", "9", "the value 9 of inmax .*range 1 to 8"},
      {"Maximum number of inseminations of a heifer", "0", "the value 0 of inmaxh .*range 1 to 8"},
  };
  read(read_input15, "INPUT15.TXT");
  const std::string original = read_file("INPUT11.TXT");
  for (const auto& c : cases) {
    write_file("INPUT11.TXT", original);
    set_numbers("INPUT11.TXT", c.item, c.value);
    expect_stop([&] { read_with(*m, t->io, read_input11, "INPUT11.TXT"); }, c.message);
  }
}

}  // namespace
}  // namespace zelvan
