// lumeta-tools as a process: what its own main does with failed writes and signals.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

#include "support/temp_dir.h"
#include "tools/tool_commands.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const std::string kProgram = std::string(LUMETA_BIN_DIR) + "/lumeta-tools";
constexpr rlim_t kNoLimit = RLIM_INFINITY;

// Starts lumeta-tools with its standard output in `out` (appended to when asked) and its
// standard error in `err`, under a file-size limit.
pid_t Start(const ToolArgs& args, const std::string& out, bool append, const std::string& err,
            rlim_t fileLimit) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), 0644);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFd < 0 || errFd < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0) _exit(120);
    const rlimit files{fileLimit, fileLimit}, cores{0, 0};
    setrlimit(RLIMIT_FSIZE, &files);
    setrlimit(RLIMIT_CORE, &cores);  // SIGQUIT must leave no core file behind
    std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(kProgram.c_str(), argv.data());
    _exit(121);
}

// Every output that cannot be written in full ends with a message and status 1, leaves
// a replaced file as it was and no temporary file; a device or pipe named as the output
// is written into.
TEST(ToolsProcess, AWriteThatFailsEndsWithAMessageAndStatusOneAndNothingCutIsReportedDone) {
    TempDir dir, work;
    const std::string puzzles = std::string(LUMETA_DATA_DIR) + "/puzzles.txt";
    const std::string copy = work.Write("copy.txt", ReadBytes(puzzles));
    const std::string kept = work.Write("kept.txt", "old\r\n");
    const std::string log = dir.File("log.txt"), err = dir.File("err.txt");
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const struct {
        ToolArgs args;
        std::string out;  // standard output: a file in `dir` or a device
        rlim_t fileLimit;
        int status;
        std::string message;  // a part of standard error
    } cases[] = {
        {{"create", "10"}, "/dev/full", kNoLimit, 1, "standard output: No space left on device"},
        {{"create", "1000"}, log, 8192, 1, "cannot write standard output: File too large"},
        {{"--help"}, "/dev/full", kNoLimit, 1, "lumeta-tools: cannot write standard output"},
        {{"create", "3", "--out", "/dev/full"}, log, kNoLimit, 1, "/dev/full: No space left"},
        {{"create", "1000", "--out", kept}, log, 8192, 1, kept + ": File too large"},
        {{"create-multi", "--existing", copy, "--out", kept}, log, 8192, 1, "nothing was written"},
        {{"randomize", copy}, log, 8192, 1, "copy-noduprandom.txt: File too large"},
        {{"create", "2", "--out", fifo}, log, kNoLimit, 1, "no process reads the FIFO"},
        {{"create", "2", "--out", "/dev/null"}, log, kNoLimit, 0, ""},
    };
    for (const auto& c : cases) {
        int status = 0;
        waitpid(Start(c.args, c.out, false, err, c.fileLimit), &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << c.message;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.message;
        EXPECT_NE(ReadBytes(err).find(c.message), std::string::npos) << ReadBytes(err);
    }
    EXPECT_EQ(ReadBytes(kept), "old\r\n");
    EXPECT_EQ(testing::FileNames(work.path()), (std::set<std::string>{"copy.txt", "kept.txt"}));

    // /dev/stdout is the shell's own output: appended to, never replaced.
    const std::string appended = dir.Write("appended.txt", "earlier line\n");
    int status = 0;
    waitpid(Start({"create", "2", "--out", "/dev/stdout"}, appended, true, err, kNoLimit), &status,
            0);
    EXPECT_EQ(status, 0) << ReadBytes(err);
    const std::string both = ReadBytes(appended);
    EXPECT_TRUE(both.starts_with("earlier line\n") && both.size() == 13u + 2 * 44u) << both;
}

// A signal that ends the program during a write leaves the old file and no temporary file,
// and the program ends by that signal, as the shell expects.
TEST(ToolsProcess, EverySignalThatEndsTheProgramRemovesItsTemporaryFile) {
    TempDir dir;
    const std::string out = dir.Write("out.txt", "old\r\n");
    const std::string sink = dir.File("stdout.txt"), err = dir.File("stderr.txt");
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE}) {
        const pid_t pid = Start({"create", "100000000", "--out", out}, sink, false, err, kNoLimit);
        // Wait for the temporary file (".out.txt.XXXXXX") that the run writes into.
        bool writing = false;
        for (int tries = 0; tries < 5000 && !writing; ++tries) {
            for (const std::string& name : testing::FileNames(dir.path()))
                writing = writing || name.rfind(".out.txt.", 0) == 0;
            if (!writing) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_TRUE(writing) << strsignal(sig);
        kill(pid, sig);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << strsignal(sig);
        EXPECT_EQ(testing::FileNames(dir.path()),
                  (std::set<std::string>{"out.txt", "stdout.txt", "stderr.txt"}))
            << strsignal(sig);
        EXPECT_EQ(ReadBytes(out), "old\r\n");
    }
}

}  // namespace
}  // namespace lumeta
