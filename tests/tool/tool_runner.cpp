#include "tool_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

extern char** environ;

namespace tv::test {

namespace {

// An unlinked temporary file that collects one output stream of the child.
class CaptureFile {
  public:
    CaptureFile() {
        char name[] = "/tmp/torvelle-tool-test-XXXXXX";
        fd_ = ::mkstemp(name);
        if (fd_ >= 0) {
            ::unlink(name);
        }
    }
    ~CaptureFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return fd_; }

    std::string contents() const {
        std::string text;
        char chunk[4096];
        off_t at = 0;
        for (ssize_t n; (n = ::pread(fd_, chunk, sizeof chunk, at)) > 0; at += n) {
            text.append(chunk, static_cast<size_t>(n));
        }
        return text;
    }

  private:
    int fd_ = -1;
};

bool isUnset(const char* entry, const std::vector<std::string>& unset) {
    const std::string_view text(entry);
    return std::any_of(unset.begin(), unset.end(), [&](const std::string& name) {
        return text.size() > name.size() && text.substr(0, name.size()) == name &&
               text[name.size()] == '=';
    });
}

}  // namespace

std::vector<std::string> ToolRun::errLines() const {
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

ToolRun runTool(const std::vector<std::string>& args, const std::vector<std::string>& unset) {
    std::vector<std::string> argv_text{TORVELLE_TOOL_PATH};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argv_text) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        if (!isUnset(*e, unset)) {
            envp.push_back(*e);
        }
    }
    envp.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.fd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);

    ToolRun run;
    int wait_status = 0;
    if (spawned == 0 && ::waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status)) {
        run.status = WEXITSTATUS(wait_status);
    }
    run.out = out.contents();
    run.err = err.contents();
    return run;
}

}  // namespace tv::test
