#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <set>

#include "puzzlefiles/safe_replace.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;

TEST(ReplaceFileContents, ReplacesTheWholeFileOrTheOneALinkPointsToKeepingItsPermissions) {
    TempDir dir;
    const auto file = dir.Write("out.txt", "a much longer old content\r\n");
    chmod(file.c_str(), 0640);
    // A link or a file where a temporary file might go is never followed nor touched.
    const auto victim = dir.Write("victim.txt", "precious");
    fs::create_symlink(victim, dir.File(".out.txt.XXXXXX"));
    dir.Write("out.txt.part", "notes");
    ASSERT_TRUE(ReplaceFileContents(file, "new\r\n"));
    {  // abandoned before Commit: the file stays, the temporary file goes
        ReplacingFile out;
        ASSERT_TRUE(out.Open(file) && out.WriteLine("never committed"));
    }
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(testing::ModeOf(file), 0640u);
    EXPECT_EQ(ReadBytes(victim) + ReadBytes(dir.File("out.txt.part")), "preciousnotes");
    EXPECT_EQ(testing::FileNames(dir.path()),
              (std::set<std::string>{"out.txt", "victim.txt", ".out.txt.XXXXXX", "out.txt.part"}));

    // A new file gets the permissions the user's umask gives any new file.
    const mode_t mask = umask(022);
    ASSERT_TRUE(ReplaceFileContents(dir.File("fresh.txt"), ""));
    umask(mask);
    EXPECT_EQ(testing::ModeOf(dir.File("fresh.txt")), 0644u);

    // Through a link, the file it points to is replaced and the link stays.
    fs::create_directory(dir.path() / "real");
    const auto real = dir.Write("real/puzzles.txt", "old\r\n");
    fs::create_symlink("real/puzzles.txt", dir.File("link.txt"));  // relative to its folder
    ASSERT_TRUE(ReplaceFileContents(dir.File("link.txt"), "new\r\n"));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.txt")));
    EXPECT_EQ(ReadBytes(real), "new\r\n");
}

TEST(ReplaceFileContents, RefusesWhatItMustNotReplaceAndSaysWhy) {
    TempDir dir;
    const auto locked = dir.Write("locked.txt", "keep\r\n"), fifo = dir.File("pipe");
    chmod(locked.c_str(), 0444);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const std::string folder = dir.path().string();
    for (const auto& [target, problem] :
         {std::pair{locked, "cannot write " + locked + ": the file is read-only"},
          {folder, "cannot write " + folder + ": it is a folder"},
          {fifo, "cannot write " + fifo + ": not a regular file"},
          {dir.File("no/such/folder/f.txt"), std::string("No such file")}}) {
        std::string said;
        EXPECT_FALSE(ReplaceFileContents(target, "lost\r\n", &said));
        EXPECT_NE(said.find(problem), std::string::npos) << said;
    }
    EXPECT_EQ(ReadBytes(locked), "keep\r\n");
    EXPECT_EQ(testing::ModeOf(locked), 0444u);
    EXPECT_EQ(testing::FileNames(dir.path()), (std::set<std::string>{"locked.txt", "pipe"}));
}

// As cp and editors do: a set-user-id or set-group-id bit never passes to a new owner or
// group (here root, replacing other users' files).
TEST(ReplaceFileContents, DropsASetIdBitWhenTheReplacedFilesOwnerOrGroupChanges) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can replace another user's file";
    TempDir dir;
    const struct {
        uid_t owner;
        gid_t group;
        unsigned mode, after;
    } cases[] = {
        {4242, 4242, 06755, 0755},  // another user's: both bits go
        {0, 4242, 06755, 04755},    // only the group changes
        {4242, 0, 06755, 02755},    // only the owner changes
        {0, 0, 06755, 06755},       // root's own file keeps them
    };
    for (const auto& c : cases) {
        const auto file = dir.Write("tool", "old");
        ASSERT_EQ(chown(file.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(chmod(file.c_str(), c.mode), 0);
        ASSERT_TRUE(ReplaceFileContents(file, "new"));
        EXPECT_EQ(testing::ModeOf(file), c.after) << c.owner << ":" << c.group;
    }
}

}  // namespace
}  // namespace lumeta
