#include "support/cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace orbica::test {

namespace {

void CloseBoth(int fds[2]) {
  ::close(fds[0]);
  ::close(fds[1]);
}

}  // namespace

ProgramRun RunProgram(const std::string& executable, const std::string& folder, const std::vector<std::string>& args) {
  ProgramRun run;
  // Everything the child needs is made before the fork: after it, in a process
  // with other threads, the child may only make system calls.
  std::vector<std::string> words{executable};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const std::string cannotStart = "cannot run " + executable + " in " + folder + "\n";

  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0) {
    run.err = std::string("cannot make a pipe: ") + std::strerror(errno);
    return run;
  }
  if (::pipe2(err, O_CLOEXEC) != 0) {
    run.err = std::string("cannot make a pipe: ") + std::strerror(errno);
    CloseBoth(out);
    return run;
  }
  const pid_t pid = ::fork();
  if (pid < 0) {
    run.err = std::string("cannot start a process: ") + std::strerror(errno);
    CloseBoth(out);
    CloseBoth(err);
    return run;
  }
  if (pid == 0) {
    const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (in >= 0 && ::dup2(in, 0) == 0 && ::dup2(out[1], 1) == 1 && ::dup2(err[1], 2) == 2 &&
        ::chdir(folder.c_str()) == 0)
      ::execv(argv[0], argv.data());
    const ssize_t written = ::write(err[1], cannotStart.data(), cannotStart.size());
    (void)written;
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);

  // Both pipes are read as they fill, so that the program never waits on a full one.
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&run.out, &run.err};
  for (int open = 2; open > 0;) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      run.err += std::string("cannot read the program's output: ") + std::strerror(errno) + "\n";
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd& fd : fds)
    if (fd.fd >= 0) ::close(fd.fd);

  int status = 0;
  pid_t waited;
  while ((waited = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  if (waited != pid) {
    run.err += std::string("cannot wait for the program: ") + std::strerror(errno) + "\n";
  } else if (WIFEXITED(status)) {
    run.exit = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    run.err += std::string("ended by signal ") + std::to_string(WTERMSIG(status)) + "\n";
  }
  return run;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (const char c : line) {
    if (quoted) {
      if (c == '\'')
        quoted = false;
      else
        word += c;
    } else if (c == '\'') {
      quoted = inWord = true;
    } else if (c == ' ') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) throw std::invalid_argument("unclosed quote in: " + line);
  if (inWord) words.push_back(word);
  return words;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

}  // namespace orbica::test
