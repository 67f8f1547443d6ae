#include <QProcess>

#include "app/app_folders.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values](const char* name) {
        const auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    };
}

TEST(AppFoldersTest, AnInstalledLayoutKeepsTheUsersFilesInTheXdgFoldersAPortableOneBesideItself) {
    TempDir dir;
    const std::string p = (dir.path() / "usr").string();
    for (const char* folder : {"/bin", "/games", "/share/lumeta", "/tools"})
        fs::create_directories(p + folder);
    using Env = std::map<std::string, std::string>;
    const Env ann = {{"HOME", "/home/ann"}},
              xdg = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}},
              relative = {
                  {"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "/data"}};
    const std::string
        data = " " + p + "/share/lumeta/ ",
        none =
            "HOME is not set and no home "
            "folder is known; settings are not kept; created puzzles go to the working folder";
    // The program's folder (Debian's games live in "games/"), the environment, the home the
    // user database names; then whether installed, the data, settings, created puzzles, notice.
    const std::tuple<std::string, Env, std::string, std::string> cases[] = {
        {"/bin", xdg, "", "1" + data + "/cfg/lumeta/ /home/ann/.local/share/lumeta/ "},
        {"/games/", xdg, "", "1" + data + "/cfg/lumeta/ /home/ann/.local/share/lumeta/ "},
        // A relative XDG folder is ignored, as the standard asks.
        {"/bin", relative, "", "1" + data + "/home/ann/.config/lumeta/ /data/lumeta/ "},
        // Without HOME the user database names the home; with none (or a relative one)
        // nothing goes under "/".
        {"/bin",
         {},
         "/home/bob",
         "1" + data +
             "/home/bob/.config/lumeta/ "
             "/home/bob/.local/share/lumeta/ HOME is not set; using /home/bob"},
        {"/bin", {}, "", "1" + data + "  " + none},
        {"/bin", {}, "bob", "1" + data + "  " + none},
        // Not "bin/" or "games/" beside "share/lumeta/": everything beside the program.
        {"/tools", ann, "", "0 " + p + "/tools/ " + p + "/tools/  "},
        {"/share/lumeta", ann, "", "0" + data + p + "/share/lumeta/  "}};
    for (const auto& [program, environment, home, want] : cases) {
        const AppFolders f =
            FindAppFolders(p + program, Environment(environment), [&home] { return home; });
        EXPECT_EQ(std::to_string(f.installed) + " " + f.DataDir + " " + f.ConfigDir + " " +
                      f.WorkDir + " " + f.notice,
                  want)
            << program;
    }
    EXPECT_EQ(FindAppFolders(p + "/bin", Environment(ann)).DialogDir, "/home/ann/");
}

class InstalledTest : public WindowTest {
  protected:
    void StartInstalled(const fs::path& bin) {
        setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
        const AppFolders folders = FindAppFolders(bin.string());
        ASSERT_TRUE(folders.installed);
        installed_.reset();
        form = &installed_.emplace(folders, RandomSource::Fixed(1));
        form->Startup();
        form->show();
    }
    ~InstalledTest() override {
        installed_.reset();
        qputenv("XDG_CONFIG_HOME", configBefore_);
        qunsetenv("XDG_DATA_HOME");
    }
    const QByteArray configBefore_ = qgetenv("XDG_CONFIG_HOME");
    std::optional<Form1> installed_;
};

TEST_F(InstalledTest, TheInstalledTreeOpensItsCollectionAndKeepsTheUsersFilesInTheXdgFolders) {
    const fs::path prefix = dir.path() / "prefix with blanks";
    QProcess install;
    install.start("cmake", {"--install", LUMETA_BUILD_ROOT, "--prefix", Q(prefix.string())});
    ASSERT_TRUE(install.waitForFinished(60000) && install.exitCode() == 0);
    for (const char* shipped : {"lumeta.htm", "lumeta-board.png"})
        EXPECT_TRUE(fs::is_regular_file(prefix / "share" / "lumeta" / shipped)) << shipped;

    StartInstalled(prefix / "bin");  // from a working folder without "puzzles.txt"
    const std::string shipped = (prefix / "share" / "lumeta" / "puzzles.txt").string();
    EXPECT_EQ(S().current.PuzzleFile, shipped);
    EXPECT_EQ(Shown(), "Ready ... | p# 1 of 1200 | puzzles.txt");

    EXPECT_TRUE(form->SaveOptions());
    const fs::path config = dir.path() / "config" / "lumeta" / "lumeta.cfg";
    EXPECT_EQ(ReadBytes(config.string()).substr(0, 8 + shipped.size()), "xp.col\r\n" + shipped);
    form->mnucreate->trigger();
    const fs::path made = dir.path() / "data" / "lumeta" / "tempcellnetpuzzle.txt";
    EXPECT_EQ(ReadBytes(made.string()), OnBoard() + "\r\n");
    EXPECT_EQ(Shown(), "Puzzle created ... | p# 1 of 1 | tempcellnetpuzzle.txt");
    EXPECT_FALSE(fs::exists(prefix / "bin" / "lumeta.cfg"));  // nothing beside the program
    EXPECT_TRUE(fs::is_empty(WorkFile("")));                  // nor in the working folder

    // Nothing remembered: a collection in the working folder still comes first.
    fs::remove(config);
    WritePuzzles("puzzles.txt", 3);
    StartInstalled(prefix / "bin");
    EXPECT_EQ(S().current.PuzzleFile, "puzzles.txt");
}

TEST(CommandLineProgramTest, AnswersWithoutADisplayHelpOnStandardOutputMistakesOnStandardError) {
    // The arguments, the exit status, then what starts standard output, or standard error
    // when failing.
    const std::tuple<QStringList, int, const char*> cases[] = {
        {{"--version"}, 0, "lumeta " LUMETA_VERSION "\n"},
        {{"--help"}, 0, "Usage: "},
        {{"--bogus"}, 2, "lumeta: Unknown option 'bogus'.\nUsage: "},
        {{"one.txt", "two.txt"}, 2, "lumeta: Only one FILE can be opened.\nUsage: "}};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);  // no window system is needed
    for (const auto& [arguments, status, start] : cases) {
        QProcess lumeta;
        lumeta.setProcessEnvironment(environment);
        lumeta.start(LUMETA_BIN_DIR "/lumeta", arguments);
        ASSERT_TRUE(lumeta.waitForFinished(20000));
        const QString out = lumeta.readAllStandardOutput(), err = lumeta.readAllStandardError();
        EXPECT_EQ(lumeta.exitStatus() == QProcess::NormalExit ? lumeta.exitCode() : -1, status);
        EXPECT_TRUE((status == 0 ? out : err).startsWith(start) && (status ? out : err).isEmpty())
            << arguments.join(' ').toStdString() << ": " << out.toStdString() << err.toStdString();
    }
}

}  // namespace
}  // namespace lumeta
