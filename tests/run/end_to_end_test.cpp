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

}  // namespace
}  // namespace zelvan
