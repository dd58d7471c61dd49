#include "batch/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zelvan::batch {

std::string zelvan_path() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "zelvan";
  self[n] = '\0';
  return (std::filesystem::path(self).parent_path() / "zelvan").string();
}

pid_t start_zelvan(const std::string& program, const std::string& dir) {
  int answer[2];
  if (pipe(answer) != 0) return -1;
  const std::string console = dir + "/" + kConsoleName, errors = dir + "/" + kErrorsName;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, answer[0], 0);
  posix_spawn_file_actions_addclose(&actions, answer[0]);
  posix_spawn_file_actions_addclose(&actions, answer[1]);
  posix_spawn_file_actions_addopen(&actions, 1, console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  const std::string absolute = std::filesystem::absolute(program).string();
  char* argv[] = {const_cast<char*>(absolute.c_str()), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, absolute.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(answer[0]);
  // The answer to the prompt: the name of the results file.
  const std::string line = std::string(kResultsName) + "\n";
  if (pid > 0 && write(answer[1], line.data(), line.size()) < 0) {
    // zelvan may already have stopped; its console text says why.
  }
  close(answer[1]);
  return pid;
}

pid_t wait_any() { return waitpid(-1, nullptr, 0); }

void run_zelvan(const std::string& program, const std::string& dir) {
  const pid_t pid = start_zelvan(program, dir);
  if (pid > 0) waitpid(pid, nullptr, 0);
}

void copy_run_directory(const std::string& from, const std::string& to) {
  namespace fs = std::filesystem;
  fs::remove_all(to);
  fs::create_directories(to);
  for (const auto& f : fs::directory_iterator(from))
    if (f.is_regular_file()) fs::copy_file(f.path(), fs::path(to) / f.path().filename());
}

std::string read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void write_file(const std::string& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary);
  f << text;
}

}  // namespace zelvan::batch
