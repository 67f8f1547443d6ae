#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <string>

namespace lumeta {

// A browser that loads only what its page may have: regular files of bounded size in the
// page's own folder (see ReadHelpResource); anything else shows as missing.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    // The folder whose files the page may load.
    void SetFolder(const QString& folder) { folder_ = folder; }
    const QString& Folder() const { return folder_; }

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString folder_;
};

// The help window: the game's help page in a browser filling the window. Links within the
// page are followed in the window; links to anything else open in the desktop's browser.
class Form4 : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "Lumeta Help";
    static constexpr const char* kPageName = "lumeta.htm";

    explicit Form4(QWidget* parent = nullptr);

    // The help page beside the program's other files, as a local-file address (blanks and
    // letters beyond ASCII escaped as addresses want them).
    static QUrl HelpAddress(const std::string& folder);

    // The last address set; setting it shows the page, or a "page not found" view. The
    // page's folder is then the only one its links, pictures and style sheets come from.
    QUrl Url() const { return url_; }
    void SetUrl(const QUrl& url);

    HelpBrowser* WebBrowser1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FollowLink(const QUrl& link);
    void ShowPage(const QUrl& url);
    void ShowPageNotFound(const QUrl& url);

    QUrl url_;
};

}  // namespace lumeta
