#include <sys/stat.h>
#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QTextBrowser>

#include "app/about_form.h"
#include "app/help_form.h"
#include "app/help_resources.h"
#include "controls/controls_test_helpers.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// Catches the addresses handed to the desktop's browser.
class DesktopBrowser : public QObject {
    Q_OBJECT

  public:
    explicit DesktopBrowser(QObject* parent = nullptr) : QObject(parent) {
        QDesktopServices::setUrlHandler("https", this, "Open");
    }
    ~DesktopBrowser() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

using HelpTest = WindowTest;

TEST_F(HelpTest, ShowsThePageInAFolderWithBlanksFollowsItsOwnLinksAndSendsOthersToTheBrowser) {
    const fs::path folder = dir.path() / "Mes Jeux à moi";
    fs::create_directories(folder);
    std::ofstream(folder / "lumeta.htm")
        << "<html><body><h1>How to play</h1><a href='more.htm#end'>more</a>"
           "<a href='https://example.org/x'>site</a></body></html>";
    std::ofstream(folder / "more.htm") << "<html><body><p>Second page</p><a name='end'></a>"
                                          "<a href='#end'>down</a></body></html>";
    Form4 help;
    help.SetUrl(Form4::HelpAddress(folder.string() + "/"));
    EXPECT_TRUE(help.Url().toString(QUrl::FullyEncoded).contains("Mes%20Jeux%20%C3%A0%20moi"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("How to play"));

    DesktopBrowser browser;
    emit help.WebBrowser1->anchorClicked(QUrl("https://example.org/x"));
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl("https://example.org/x")});
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("How to play"));  // stays

    emit help.WebBrowser1->anchorClicked(QUrl("more.htm#end"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("Second page"));
    emit help.WebBrowser1->anchorClicked(QUrl("#end"));
    EXPECT_EQ(help.WebBrowser1->source().fileName(), "more.htm");
    EXPECT_EQ(browser.opened.size(), 1);
}

TEST_F(HelpTest, AMissingPageShowsPageNotFoundInTheWindowAndNothingElse) {
    Start();
    QString shown;
    WhileModal(
        form,
        [&] {
            auto* help = qobject_cast<Form4*>(QApplication::activeModalWidget());
            ASSERT_NE(help, nullptr);
            shown = help->WebBrowser1->toPlainText();
            help->close();
        },
        [&] { form->mnuhelp->trigger(); });
    EXPECT_TRUE(shown.startsWith("Page not found") && shown.contains(Q(AppDir()) + "lumeta.htm"))
        << shown.toStdString();
    EXPECT_TRUE(texts.isEmpty());  // no message box
}

TEST_F(HelpTest, LoadsOnlyRegularFilesOfBoundedSizeFromThePagesFolderWithoutWaiting) {
    const fs::path folder = dir.path() / "help", outside = dir.path() / "outside.png";
    fs::create_directories(folder / "pictures");
    std::ofstream(outside) << "outside";
    std::ofstream(folder / "pictures" / "board.png") << "picture";
    std::ofstream(folder / "beside.css") << "p {}";
    ASSERT_EQ(mkfifo((folder / "fifo.png").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", folder / "zero.png");
    fs::create_symlink(outside, folder / "link.png");
    for (const auto& [name, size] : {std::pair("limit.png", kHelpResourceLimit),
                                     std::pair("huge.png", kHelpResourceLimit + 1)}) {
        std::ofstream(folder / name) << "x";
        fs::resize_file(folder / name, static_cast<std::uintmax_t>(size));  // sparse
    }
    // The window asks its loader as the page's pictures and style sheets do.
    std::ofstream(folder / "lumeta.htm") << "<html><body><p>Pictures</p></body></html>";
    Form4 help;
    help.SetUrl(Form4::HelpAddress(folder.string() + "/"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("Pictures"));
    const QStringList loading = {"pictures/board.png", "beside.css", "limit.png"};
    for (const QString& name :
         loading + QStringList{"fifo.png", "zero.png", "/dev/zero", "link.png", "../outside.png",
                               "huge.png", "missing.png", "pictures", "https://example.org/a.png",
                               "link.png%00"})  // a NUL ends a name
        EXPECT_EQ(help.WebBrowser1->document()
                      ->resource(QTextDocument::ImageResource, QUrl(name))
                      .toByteArray()
                      .isEmpty(),
                  !loading.contains(name))
            << name.toStdString();
    // A FIFO as the page itself reads as missing.
    const QString root = Q(folder.string());
    help.SetUrl(QUrl::fromLocalFile(root + "/fifo.png"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("Page not found"));
}

using AboutTest = WindowTest;

TEST_F(AboutTest, ShowsTheRulesAndVersionHidesOnEscapeAndUnloadsOnAPressOnTheText) {
    Start();
    QPointer<AboutForm> shown;
    const auto open = [&](std::function<void(AboutForm*)> act) {
        WhileModal(
            form,
            [&] {
                shown = qobject_cast<AboutForm*>(QApplication::activeModalWidget());
                ASSERT_TRUE(shown);
                act(shown);
            },
            [&] { form->mnuabout->trigger(); });
    };
    open([&](AboutForm* about) {
        EXPECT_TRUE(about->AboutText->toPlainText().startsWith("Lumeta 1.0, 20"));
        EXPECT_TRUE(about->AboutText->toPlainText().contains(
            "\nFill each hexagon with numbers 1 to 6.\nTwo numbers at touching sides must add up "
            "to 7.\n"));
        EXPECT_EQ(about->Label1->text(), "Version 1.0");
        QTest::keyClick(about, Qt::Key_A);  // other keys change nothing
        EXPECT_TRUE(about->isVisible());
        QTest::keyClick(about, Qt::Key_Escape);
    });
    ASSERT_TRUE(shown);  // hidden, kept for the next time
    EXPECT_FALSE(shown->isVisible());
    AboutForm* first = shown;
    open([&](AboutForm* about) {
        EXPECT_EQ(about, first);
        QTest::mousePress(about->AboutText->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shown);  // unloaded: the next "About" makes a new box
    EXPECT_FALSE(form->aboutForm);
}

}  // namespace
}  // namespace lumeta

#include "help_about_test.moc"
