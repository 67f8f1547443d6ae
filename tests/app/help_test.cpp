#include <sys/stat.h>
#include <QDesktopServices>
#include <QTextBrowser>

#include "app/help_form.h"
#include "app/help_resources.h"
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

// The page from a folder with blanks; its pictures and style sheets only regular files of
// bounded size from that folder, read without waiting; its own links followed, others sent
// to the desktop's browser.
TEST_F(HelpTest, ShowsItsPagesWithTheirOwnFilesAndSendsOtherLinksToTheBrowser) {
    const fs::path folder = dir.path() / "Mes Jeux à moi", outside = dir.path() / "outside.png";
    fs::create_directories(folder / "pictures");
    std::ofstream(folder / "lumeta.htm")
        << "<html><body><h1>How to play</h1><a href='more.htm#end'>more</a>"
           "<a href='https://example.org/x'>site</a></body></html>";
    std::ofstream(folder / "more.htm") << "<html><body><p>Second page</p><a name='end'></a>"
                                          "<a href='#end'>down</a></body></html>";
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
    Form4 help;
    help.SetUrl(Form4::HelpAddress(folder.string() + "/"));
    EXPECT_TRUE(help.Url().toString(QUrl::FullyEncoded).contains("Mes%20Jeux%20%C3%A0%20moi"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("How to play"));
    // The window asks its loader as the page's pictures and style sheets do.
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

    DesktopBrowser browser;
    emit help.WebBrowser1->anchorClicked(QUrl("https://example.org/x"));
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl("https://example.org/x")});
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("How to play"));  // stays
    emit help.WebBrowser1->anchorClicked(QUrl("more.htm#end"));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("Second page"));
    emit help.WebBrowser1->anchorClicked(QUrl("#end"));
    EXPECT_EQ(help.WebBrowser1->source().fileName(), "more.htm");
    EXPECT_EQ(browser.opened.size(), 1);
    // A FIFO as the page itself reads as missing.
    help.SetUrl(QUrl::fromLocalFile(Q((folder / "fifo.png").string())));
    EXPECT_TRUE(help.WebBrowser1->toPlainText().startsWith("Page not found"));
}

}  // namespace
}  // namespace lumeta

#include "help_test.moc"
