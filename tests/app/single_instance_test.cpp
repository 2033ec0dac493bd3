// The single-instance guard across real processes: a holder process takes it, a second one
// is refused while the holder lives and let through once it has exited, been killed with
// SIGKILL, or replaced itself by exec.
//
// Each case runs in its own scope so it cannot meet a real screensaver or another test: a
// private $XDG_RUNTIME_DIR for the lock file, a private network namespace for the abstract
// socket used without one.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr int kTimeoutMs = 10000;

// One running single_instance_holder with pipes on its stdin and stdout.
class Holder {
  public:
    Holder(const char* argument, const char* runtimeDir) {
        int in[2];
        int out[2];
        if (pipe2(in, O_CLOEXEC) != 0) {
            return;
        }
        if (pipe2(out, O_CLOEXEC) != 0) {
            close(in[0]);
            close(in[1]);
            return;
        }
        std::vector<std::string> env;
        for (char** e = environ; *e != nullptr; ++e) {
            if (std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0) {
                env.emplace_back(*e);
            }
        }
        if (runtimeDir != nullptr) {
            env.push_back(std::string("XDG_RUNTIME_DIR=") + runtimeDir);
        }
        std::vector<char*> envp;
        for (std::string& e : env) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        std::string program = VELMORANT_HOLDER_PATH;
        std::vector<char*> argv{program.data()};
        std::string arg = argument != nullptr ? argument : "";
        if (argument != nullptr) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        const int spawned =
            posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        stdin_ = in[1];
        stdout_ = out[0];
        if (spawned != 0) {
            pid_ = -1;
        }
    }

    ~Holder() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        closeStdin();
        if (stdout_ >= 0) {
            close(stdout_);
        }
    }

    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    bool running() const { return pid_ > 0; }

    // The next line the holder printed, without its "\n"; "<timeout>" or "<eof>" otherwise.
    std::string readLine() {
        std::string line;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
        while (true) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd fd{stdout_, POLLIN, 0};
            const int ready = poll(&fd, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            if (ready <= 0) {
                return "<timeout>";
            }
            char c;
            const ssize_t got = read(stdout_, &c, 1);
            if (got <= 0) {
                return "<eof>";
            }
            if (c == '\n') {
                return line;
            }
            line.push_back(c);
        }
    }

    // Closes the holder's stdin so it exits normally; true when it exited with status 0.
    bool finish() {
        closeStdin();
        return reap() == 0;
    }

    // Kills the holder with SIGKILL; true when it died of that signal.
    bool killHard() {
        kill(pid_, SIGKILL);
        const int status = reap();
        return status >= 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

  private:
    void closeStdin() {
        if (stdin_ >= 0) {
            close(stdin_);
            stdin_ = -1;
        }
    }

    // Waits a bounded time for the holder to end; returns its wait status, or -1 when it
    // had to be killed.
    int reap() {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            const pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                pid_ = -1;
                return status;
            }
            if (done < 0 && errno != EINTR) {
                pid_ = -1;
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return -1;
    }

    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
};

enum class Scope { RuntimeDir, NoRuntimeDir, MissingRuntimeDir, RelativeRuntimeDir };

std::ostream& operator<<(std::ostream& out, Scope scope) {
    switch (scope) {
        case Scope::RuntimeDir:
            return out << "RuntimeDir";
        case Scope::NoRuntimeDir:
            return out << "NoRuntimeDir";
        case Scope::MissingRuntimeDir:
            return out << "MissingRuntimeDir";
        case Scope::RelativeRuntimeDir:
            return out << "RelativeRuntimeDir";
    }
    return out;
}

class SingleInstanceGuard : public ::testing::TestWithParam<Scope> {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmorant-guard-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        tempDir_ = pattern;
        switch (GetParam()) {
            case Scope::RuntimeDir:
                runtimeDir_ = tempDir_;
                return;
            case Scope::NoRuntimeDir:
                break;
            case Scope::MissingRuntimeDir:
                runtimeDir_ = tempDir_ + "/missing";
                break;
            case Scope::RelativeRuntimeDir:
                runtimeDir_ = "relative/dir";
                break;
        }
        // These fall back to the abstract socket: keep it to a namespace of our own.
        if (unshare(CLONE_NEWNET) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
            GTEST_SKIP() << "no private network namespace: " << std::strerror(errno);
        }
    }

    void TearDown() override {
        if (!tempDir_.empty()) {
            unlink((tempDir_ + "/K_OPENGL_SCREENSAVER.lock").c_str());
            rmdir(tempDir_.c_str());
        }
    }

    const char* runtimeDir() const {
        return GetParam() == Scope::NoRuntimeDir ? nullptr : runtimeDir_.c_str();
    }

    std::string tempDir_;
    std::string runtimeDir_;
};

TEST_P(SingleInstanceGuard, RefusedWhileHeldAllowedAfterNormalExit) {
    Holder first(nullptr, runtimeDir());
    ASSERT_TRUE(first.running());
    ASSERT_EQ(first.readLine(), "1");
    {
        Holder second(nullptr, runtimeDir());
        EXPECT_EQ(second.readLine(), "0");
        EXPECT_TRUE(second.finish());
    }
    {
        Holder third(nullptr, runtimeDir());  // a refused launch must not have taken it over
        EXPECT_EQ(third.readLine(), "0");
        EXPECT_TRUE(third.finish());
    }
    ASSERT_TRUE(first.finish());

    Holder after(nullptr, runtimeDir());
    EXPECT_EQ(after.readLine(), "1");
    EXPECT_TRUE(after.finish());
}

TEST_P(SingleInstanceGuard, AllowedAfterTheHolderIsKilled) {
    Holder first(nullptr, runtimeDir());
    ASSERT_EQ(first.readLine(), "1");
    ASSERT_TRUE(first.killHard());

    Holder after(nullptr, runtimeDir());
    EXPECT_EQ(after.readLine(), "1");
    EXPECT_TRUE(after.finish());
}

TEST_P(SingleInstanceGuard, NotInheritedAcrossExec) {
    Holder first("--exec", runtimeDir());
    ASSERT_EQ(first.readLine(), "1");
    ASSERT_EQ(first.readLine(), "waiting");  // same process, new program image

    Holder after(nullptr, runtimeDir());
    EXPECT_EQ(after.readLine(), "1");
    EXPECT_TRUE(after.finish());
    EXPECT_TRUE(first.finish());
}

INSTANTIATE_TEST_SUITE_P(Scopes, SingleInstanceGuard,
                         ::testing::Values(Scope::RuntimeDir, Scope::NoRuntimeDir,
                                           Scope::MissingRuntimeDir, Scope::RelativeRuntimeDir),
                         ::testing::PrintToStringParamName());

}  // namespace
