// Running a piece of a test as an ordinary user: a forked child of a test
// running as root drops to nobody and reports a text back to the parent.
#pragma once

#include <grp.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <optional>
#include <string>

namespace qmoor::testing {

inline constexpr uid_t NobodyUid = 65534;
inline constexpr gid_t NobodyGid = 65534;

// work's text from a child running as nobody:nogroup with no other groups;
// none when the child could not drop its privileges or died. A file size limit
// makes writes fail with EFBIG instead of a signal.
inline std::optional<std::string> runAsNobody(const std::function<std::string()>& work) {
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(channel[0]);
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(NobodyGid) == 0 && ::setuid(NobodyUid) == 0;
    if (!dropped) ::_exit(3);
    ::prctl(PR_SET_DUMPABLE, 1);  // keeps /proc/self readable for the sanitizers
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string text = work();
    const bool sent = ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::_exit(sent ? 0 : 4);  // no exit handlers: the parent owns the test's teardown
  }
  ::close(channel[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0) text.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR) break;
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

// Why files cannot be prepared for another user and the test cannot drop to
// nobody; empty when it can.
inline std::string whyNotUnprivileged() {
  if (::geteuid() != 0) return "needs root to prepare files owned by another user and to run the save as nobody (65534)";
  if (runAsNobody([] { return std::string("nobody"); }) != "nobody")
    return "this system does not let root become nobody (65534), as in a container without CAP_SETUID";
  return {};
}

}  // namespace qmoor::testing
