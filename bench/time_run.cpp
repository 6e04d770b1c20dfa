// Runs a command with its output thrown away and prints its wall time in seconds, the peak
// resident memory of it and its children in KiB, its exit status, and the processor time (user
// and system) it and its children took, which other work on the machine disturbs less than the
// wall time:
//
//   pictavue_bench_time COMMAND [ARGS...]   ->   0.123456 10240 0 0.101000

#include <chrono>
#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pictavue_bench_time COMMAND [ARGS...]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("fork");
    return 1;
  }
  if (pid == 0) {
    const int null_fd = open("/dev/null", O_RDWR);
    dup2(null_fd, 0);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) {
    std::perror("wait4");
    return 1;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
  std::printf("%.6f %ld %d %.6f\n", elapsed.count(), usage.ru_maxrss, code,
              seconds(usage.ru_utime) + seconds(usage.ru_stime));
  return 0;
}
