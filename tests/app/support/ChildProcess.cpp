#include "tests/app/support/ChildProcess.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace trovane::test {

namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe() {
    int ends[2];
    // Close-on-exec: only the two ends the child duplicates reach the program.
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create a pipe");
    }
    return {ends[0], ends[1]};
}

// Runs in the forked child: only calls that are safe after fork.
[[noreturn]] void becomeChild(char* const* argv, char* const* envp, const char* workFolder,
                              Pipe out, Pipe err) {
    ::dup2(out.write, STDOUT_FILENO);
    ::dup2(err.write, STDERR_FILENO);
    if (::chdir(workFolder) != 0) {
        ::_exit(126);
    }
    ::execve(argv[0], argv, envp);
    ::_exit(127);
}

// Reads both streams until they close or the deadline passes; false at the deadline.
bool collect(int outFd, int errFd, ProcessOutcome& outcome, Clock::time_point deadline) {
    std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&outcome.out, &outcome.err};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

// Waits for pid until the deadline; kills it when it is still running then.
void reap(pid_t pid, ProcessOutcome& outcome, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            return;
        }
        if (outcome.timedOut || Clock::now() >= deadline) {
            outcome.timedOut = true;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        ::usleep(10 * 1000);
    }
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
}

// Pointers to the words, ending in null, as exec wants them.
std::vector<char*> pointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::vector<std::string> currentEnvironment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        entries.emplace_back(*entry);
    }
    return entries;
}

ProcessOutcome runProcess(const std::filesystem::path& program,
                          const std::vector<std::string>& args,
                          const std::filesystem::path& workFolder, std::chrono::milliseconds limit,
                          const std::vector<std::string>& environment) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> entries(environment);
    const std::vector<char*> argv = pointersTo(words);
    const std::vector<char*> envp = pointersTo(entries);
    const std::string folder = workFolder.string();

    const Clock::time_point deadline = Clock::now() + limit;
    const Pipe out = makePipe();
    const Pipe err = makePipe();
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start a process");
    }
    if (pid == 0) {
        becomeChild(argv.data(), envp.data(), folder.c_str(), out, err);
    }
    ::close(out.write);
    ::close(err.write);
    ProcessOutcome outcome;
    outcome.timedOut = !collect(out.read, err.read, outcome, deadline);
    ::close(out.read);
    ::close(err.read);
    reap(pid, outcome, deadline);
    return outcome;
}

} // namespace trovane::test
