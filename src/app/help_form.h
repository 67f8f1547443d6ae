#pragma once

#include <QDialog>
#include <QUrl>
#include <string>

class QTextBrowser;

namespace lumeta {

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

    // The last address set; setting it shows the page, or a "page not found" view.
    QUrl Url() const { return url_; }
    void SetUrl(const QUrl& url);

    QTextBrowser* WebBrowser1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FollowLink(const QUrl& link);
    void ShowPageNotFound(const QUrl& url);

    QUrl url_;
};

}  // namespace lumeta
