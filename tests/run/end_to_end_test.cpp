// The program as a user meets it: banner, prompt, progress, closing lines,
// and stops with a message and exit status 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

TEST(EndToEnd, DefaultExampleRunsTheWholeSchedule) {
  ScratchDir dir;
  copy_example("holstein");
  const ProgramRun run = run_program_here("RESULTS.TXT");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("\n\n\nRunning ZELVAN Version 2.2.3, July 2012\n", 0), 0u);
  EXPECT_NE(run.out.find("Please enter the name of the file for writing results\n"
                         "Reading data from PARAD.TXT\nReading data from INPUT15.TXT\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Testing data and calculating several coefficients\n"
                         "Calculating parameters describing the structure of the cow herd\n"
                         "  Constructing matrix T for system 4\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Calculating profit\nCalculating economic weights (This will take some time)\n"
                         "  Run #   4\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Calculating gene flow\nWriting results to output file\n\n"
                         "Thank you for using program ZELVAN.\nThe results are in the file RESULTS.TXT.\n"
                         "The values of all variables are in the file CHECKD.\nThe program needed "),
            std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 11), " seconds.\n\n");
  // The phases are announced by the base run only.
  EXPECT_EQ(run.out.find("Calculating parameters for growth"),
            run.out.rfind("Calculating parameters for growth"));
  EXPECT_TRUE(std::filesystem::exists("CHECKDhelp"));
  EXPECT_TRUE(std::filesystem::exists("CHECKD"));
  EXPECT_NE(read_file("RESULTS.TXT").find("2.1 Data from file INPUT15.TXT\n"), std::string::npos);
}

// Every bundled system runs all its groups of runs to the final slot. The
// group counts follow from each example's options and the schedule table:
// pure-bred with mastitis, claw disorders and cow feed intake (25); both
// breed indices with every feed-intake trait and both coagulation traits
// (46); cross-bred progeny of beef sires only (13).
TEST(EndToEnd, EveryExampleRunsItsWholeSchedule) {
  const struct {
    const char* name;
    int groups;
  } examples[] = {{"holstein", 25}, {"holstein-beef-cross", 46}, {"beef-sire", 13}};
  const std::string templ = read_file(std::string(ZELVAN_EXAMPLES) + "/holstein/TEXTD_OUT.TXT");
  for (const auto& e : examples) {
    ScratchDir dir;
    copy_example(e.name);
    EXPECT_EQ(read_file("TEXTD_OUT.TXT"), templ) << e.name << " has a template of its own";
    const ProgramRun run = run_program_here();
    EXPECT_EQ(run.status, 0) << e.name;
    int runs = 0;
    for (size_t p = run.out.find("  Run #"); p != std::string::npos; p = run.out.find("  Run #", p + 1)) ++runs;
    EXPECT_EQ(runs, e.groups) << e.name;
    EXPECT_NE(run.out.find("Thank you for using program ZELVAN."), std::string::npos) << e.name << run.out;
  }
}

TEST(EndToEnd, StopsKeepTheResultsWrittenSoFar) {
  ScratchDir dir;
  copy_example("holstein");
  replace_in_file("PARAD.TXT", "\n0", "\n3");  // cb = 3 is not a system the model knows
  const ProgramRun run = run_program_here("OUT.TXT");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("the value 3 of cb is outside the range 0 to 1"), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "\n\n");
  EXPECT_EQ(run.out.find("Reading data from INPUT15.TXT"), std::string::npos);
  EXPECT_NE(read_file("OUT.TXT").find(":  3"), std::string::npos);  // the echo of PARAD.TXT stays
  EXPECT_FALSE(std::filesystem::exists("CHECKD"));
}

TEST(EndToEnd, MissingFilesAndBadNamesAreReported) {
  {
    ScratchDir dir;
    const ProgramRun run = run_program_here("OUT.TXT");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("The file TEXTD_OUT.TXT cannot be opened"), std::string::npos);
  }
  {
    ScratchDir dir;
    copy_example("holstein");
    std::filesystem::remove("INPUT07.TXT");
    const ProgramRun run = run_program_here("OUT.TXT");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("The file INPUT07.TXT cannot be opened"), std::string::npos);
  }
  {
    ScratchDir dir;
    copy_example("holstein");
    const ProgramRun run = run_program_here(std::string(300, 'x'));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("name of the file for writing results is missing or too long"), std::string::npos);
  }
}

}  // namespace
}  // namespace zelvan
