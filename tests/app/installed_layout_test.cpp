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
    const fs::path prefix = dir.path() / "usr";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "games");
    fs::create_directories(prefix / "share" / "lumeta");
    const std::string p = prefix.string();

    // Debian's games live in "games/".
    for (const char* programs : {"/bin", "/games"}) {
        const AppFolders installed = FindAppFolders(
            p + programs + "/", Environment({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}}));
        EXPECT_TRUE(installed.installed) << programs;
        EXPECT_EQ(installed.AppDir, p + programs + "/");
        EXPECT_EQ(installed.DataDir, p + "/share/lumeta/");
        EXPECT_EQ(installed.ConfigDir, "/cfg/lumeta/");
        EXPECT_EQ(installed.WorkDir, "/home/ann/.local/share/lumeta/");
        EXPECT_EQ(installed.DialogDir, "/home/ann/");
        EXPECT_EQ(installed.notice, "");
    }

    // A relative XDG folder is ignored, as the standard asks.
    const AppFolders relative = FindAppFolders(
        p + "/bin",
        Environment(
            {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "/data"}}));
    EXPECT_EQ(relative.ConfigDir, "/home/ann/.config/lumeta/");
    EXPECT_EQ(relative.WorkDir, "/data/lumeta/");

    // Without HOME the user database names the home folder; with no home at all nothing
    // goes under "/" (no "/.config"): no settings kept, puzzles made in the working folder.
    // Either way the notice says so.
    const auto home = [](std::string known) { return [known] { return known; }; };
    const std::string none =
        "HOME is not set and no home folder is known; settings are not kept; created "
        "puzzles go to the working folder";
    const std::tuple<std::string, std::string, std::string, std::string> homeless[] = {
        {"/home/bob", "/home/bob/.config/lumeta/", "/home/bob/.local/share/lumeta/",
         "HOME is not set; using /home/bob"},
        {"", "", "", none},
        {"bob", "", "", none}};  // a relative home is no home
    for (const auto& [known, config, work, notice] : homeless) {
        const AppFolders folders = FindAppFolders(p + "/bin", Environment({}), home(known));
        EXPECT_EQ(folders.ConfigDir + "|" + folders.WorkDir + "|" + folders.notice,
                  config + "|" + work + "|" + notice);
    }

    // Not "bin/" or "games/" beside "share/lumeta/": everything beside the program, puzzles
    // made in the working folder.
    fs::create_directories(prefix / "tools");
    for (const std::string& folder : {p + "/tools", p + "/share/lumeta"}) {
        const AppFolders portable = FindAppFolders(folder, Environment({{"HOME", "/home/ann"}}));
        EXPECT_FALSE(portable.installed);
        EXPECT_EQ(portable.DataDir, folder + "/");
        EXPECT_EQ(portable.ConfigDir, folder + "/");
        EXPECT_EQ(portable.WorkDir, "");
    }
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
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    for (const char* shipped : {"puzzles.txt", "lumeta.htm", "lumeta-board.png"})
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

    // No home at all: the defaults hold, saving says it could not, and nothing is written
    // but a created puzzle in the working folder.
    fs::remove_all(dir.path() / "config");
    installed_.reset();
    form = &installed_.emplace(
        FindAppFolders((prefix / "bin").string(), Environment({}), [] { return std::string(); }),
        RandomSource::Fixed(1));
    form->Startup();
    answers << "Ok";
    EXPECT_FALSE(form->SaveOptions());
    EXPECT_EQ(texts.last(),
              "Configuration file:\nlumeta.cfg\ncould not be accessed, options not saved");
    form->mnucreate->trigger();
    EXPECT_EQ(ReadBytes(WorkFile("tempcellnetpuzzle.txt")), OnBoard() + "\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / "config"));
    EXPECT_FALSE(fs::exists(WorkFile("lumeta.cfg")));
    EXPECT_FALSE(fs::exists("/.config/lumeta"));
}

using CommandLineTest = WindowTest;

TEST_F(CommandLineTest, AFileNamedOnTheCommandLineOpensAtPuzzleOneAndJoinsTheRecentFiles) {
    WritePuzzles("three.txt", 3);
    Start();
    form->OpenPuzzleFileNamed("three.txt");
    EXPECT_EQ(Shown(), "Puzzle file read | p# 1 of 3 | three.txt");
    EXPECT_EQ(S().current.PuzzleFile, WorkFile("three.txt"));  // a full path, kept as such
    EXPECT_EQ(RecentMenu().first(), Q(WorkFile("three.txt")));

    answers << "Ok";
    form->OpenPuzzleFileNamed("none.txt");
    EXPECT_EQ(texts.last(), "File does not exist:\nnone.txt");
    EXPECT_EQ(S().current.PuzzleFile, WorkFile("three.txt"));
}

TEST(CommandLineProgramTest, AnswersWithoutADisplayHelpOnStandardOutputMistakesOnStandardError) {
    struct Case {
        QStringList arguments;
        int status;
        const char* out;  // the start of standard output, or of standard error when failing
    };
    const Case cases[] = {
        {{"--version"}, 0, "lumeta " LUMETA_VERSION "\n"},
        {{"--help"}, 0, "Usage: "},
        {{"--bogus"}, 2, "lumeta: Unknown option 'bogus'.\nUsage: "},
        {{"one.txt", "two.txt"}, 2, "lumeta: Only one FILE can be opened.\nUsage: "},
    };
    for (const Case& c : cases) {
        QProcess lumeta;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");  // no window system is needed
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        lumeta.setProcessEnvironment(environment);
        lumeta.start(LUMETA_BIN_DIR "/lumeta", c.arguments);
        ASSERT_TRUE(lumeta.waitForFinished(20000));
        const QString out = lumeta.readAllStandardOutput(), err = lumeta.readAllStandardError();
        const std::string name = c.arguments.join(' ').toStdString();
        EXPECT_EQ(lumeta.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(lumeta.exitCode(), c.status) << name;
        EXPECT_TRUE((c.status == 0 ? out : err).startsWith(c.out))
            << name << ": " << out.toStdString() << err.toStdString();
        EXPECT_TRUE((c.status == 0 ? err : out).isEmpty()) << name;
    }
}

}  // namespace
}  // namespace lumeta
