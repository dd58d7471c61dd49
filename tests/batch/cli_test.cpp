#include <gtest/gtest.h>

#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

// Every bad command line is refused with one line and a non-zero status;
// --help answers with status 0.
TEST(BatchCli, OptionsParsedAndRefused) {
  const auto dir = scratch("cli");
  write_file((dir / "s.toml").string(), "base = \"" + example("holstein") + "\"\n[factors]\nmcwd = [650]\n");
  const std::string toml = (dir / "s.toml").string();
  const struct {
    std::string args;
    int status;
    const char* says;
  } cases[] = {
      {"--help", 0, "Subcommands"},
      {"run --help", 0, "--json"},
      {"", 2, "subcommand"},
      {"frobnicate", 2, "frobnicate"},
      {"run", 2, "DIR is required"},
      {"run /no/such/dir", 2, "is not a directory"},
      {"run " + example("holstein") + " --colour red", 2, "--colour"},
      {"grid /no/such.toml", 2, "SCENARIOS"},
      {"grid " + toml + " -j 0", 2, "--jobs"},
      {"grid " + toml + " -j many", 2, "--jobs"},
      {"grid " + toml + " --emit a --collect b", 2, "excludes"},
  };
  for (const auto& c : cases) {
    const Command r = batch(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.output;
    EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
    if (c.status != 0) {
      EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    }
  }
}

}  // namespace
}  // namespace zelvan::batch::test
