#pragma once
// zelvan as a child process: started in its run directory with the name of
// the results file on its standard input, its console text and standard
// error kept in files of that directory.
#include <string>
#include <sys/types.h>

namespace zelvan::batch {

inline constexpr const char* kResultsName = "RESULTS.TXT";
inline constexpr const char* kConsoleName = "console.txt";
inline constexpr const char* kErrorsName = "stderr.txt";

// Path of the zelvan program: next to the running zelvan-batch.
std::string zelvan_path();

// Starts zelvan in dir; returns the process id, or -1.
pid_t start_zelvan(const std::string& program, const std::string& dir);

// Waits for any started child; returns its id, or -1 when none is left.
pid_t wait_any();

// Runs zelvan in dir and waits for it to end.
void run_zelvan(const std::string& program, const std::string& dir);

// Makes `to` a fresh directory holding a copy of the files of `from` (not
// its subdirectories): the run directory of one run of zelvan.
void copy_run_directory(const std::string& from, const std::string& to);

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);

}  // namespace zelvan::batch
