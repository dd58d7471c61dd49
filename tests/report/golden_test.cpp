// Whole runs of the bundled examples compared byte for byte with the
// committed reference outputs in tests/golden/<example>/: the console
// transcript, what went to standard error, the results file and both dumps. The processor-time figures
// (the seconds of the closing line, the clock readings zac and kon of the
// dumps) differ from run to run and are left out.
//
// The references change only deliberately: `make goldens` rewrites them from
// the current program (it runs this test with ZELVAN_UPDATE_GOLDENS=1), and
// the commit that changes them says why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

const std::string kGoldens = std::string(ZELVAN_SOURCE_DIR) + "/tests/golden";

TEST(Golden, ExamplesReproduceTheirReferenceOutputs) {
  const bool update = std::getenv("ZELVAN_UPDATE_GOLDENS") != nullptr;
  for (const char* example : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    ScratchDir dir;
    copy_example(example);
    const ProgramRun run = run_program_here("RESULTS.TXT");
    ASSERT_EQ(run.status, 0) << example;
    const struct {
      const char* file;
      std::string text;
    } outputs[] = {
        {"console.txt", without_clock(run.out)},
        {"stderr.txt", run.err},
        {"RESULTS.TXT", read_file("RESULTS.TXT")},
        {"CHECKDhelp", without_clock(read_file("CHECKDhelp"))},
        {"CHECKD", without_clock(read_file("CHECKD"))},
    };
    const std::string folder = kGoldens + "/" + example;
    for (const auto& o : outputs) {
      const std::string path = folder + "/" + o.file;
      if (update) {
        std::filesystem::create_directories(folder);
        write_file(path, o.text);
        continue;
      }
      ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; see `make goldens`";
      // One comparison per file, reported by its first differing line.
      const std::string expected = read_file(path);
      if (expected == o.text) continue;
      size_t at = 0;
      while (at < expected.size() && at < o.text.size() && expected[at] == o.text[at]) ++at;
      const size_t line_start = expected.rfind('\n', at == 0 ? 0 : at - 1);
      const size_t from = line_start == std::string::npos ? 0 : line_start + 1;
      ADD_FAILURE() << example << "/" << o.file << " differs from its reference at byte " << at << ":\n  expected: "
                    << expected.substr(from, expected.find('\n', at) - from)
                    << "\n  actual:   " << o.text.substr(from, o.text.find('\n', at) - from);
    }
  }
}

}  // namespace
}  // namespace zelvan
