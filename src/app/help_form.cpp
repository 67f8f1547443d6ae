#include "app/help_form.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QResizeEvent>
#include <algorithm>

#include "app/help_resources.h"
#include "app/local_text.h"
#include "controls/dialog_frame.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// The browser's place in the window, in twips: it keeps its top-left corner and leaves
// these margins to the window's inner width and height.
constexpr double kBrowserLeft = 60;
constexpr double kBrowserTop = 60;
constexpr double kWidthMargin = 120;
constexpr double kHeightMargin = 180;
constexpr double kWindowWidth = 9600;
constexpr double kWindowHeight = 9000;

bool IsPage(const QUrl& url) {
    const QString suffix = QFileInfo(url.path()).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

}  // namespace

Form4::Form4(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // The page may be read in a larger window: it can be maximised, not minimised.
    setWindowFlags(DialogFrame() | Qt::WindowMaximizeButtonHint);
    WebBrowser1 = new HelpBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Help page"));
    // Every link comes to FollowLink, which decides where it opens.
    WebBrowser1->setOpenLinks(false);
    connect(WebBrowser1, &QTextBrowser::anchorClicked, this, &Form4::FollowLink);
    const TwipScale scale = TwipScale::ForWidget(this);
    WebBrowser1->move(scale.Pixels(kBrowserLeft, kBrowserTop));
    resize(scale.PixelsX(kWindowWidth), scale.PixelsY(kWindowHeight));
}

QUrl Form4::HelpAddress(const std::string& folder) {
    return QUrl::fromLocalFile(QtText(folder) + QLatin1String(kPageName));
}

void Form4::SetUrl(const QUrl& url) {
    url_ = url;
    WebBrowser1->SetFolder(QFileInfo(url.toLocalFile()).absolutePath());
    ShowPage(url);
}

void Form4::ShowPage(const QUrl& url) {
    // Checked first, so a refused page reads as missing rather than as an empty page.
    if (url.isLocalFile() && !ReadHelpResource(WebBrowser1->Folder(), url))
        return ShowPageNotFound(url);
    WebBrowser1->setSource(url);
}

QVariant HelpBrowser::loadResource(int /*type*/, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    // An empty resource rather than none: with none the document would read the file
    // itself, without these checks.
    return ReadHelpResource(folder_, url).value_or(QByteArray());
}

void Form4::ShowPageNotFound(const QUrl& url) {
    WebBrowser1->setSource(QUrl());
    WebBrowser1->setHtml(
        QStringLiteral("<h2>Page not found</h2><p>The help page %1 is missing.</p>")
            .arg(url.toLocalFile().toHtmlEscaped()));
}

void Form4::FollowLink(const QUrl& link) {
    const QUrl target = WebBrowser1->source().resolved(link);
    if (target.isLocalFile() && IsPage(target)) {
        // Another page of the help, or a place in this one.
        const QUrl page = target.adjusted(QUrl::RemoveFragment);
        if (page == WebBrowser1->source().adjusted(QUrl::RemoveFragment) && target.hasFragment())
            return WebBrowser1->scrollToAnchor(target.fragment());
        return ShowPage(target);
    }
    QDesktopServices::openUrl(target);
}

void Form4::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // A window smaller than the margins leaves the browser at no size at all.
    const TwipScale scale = TwipScale::ForWidget(this);
    const double widthTwips = std::max(0.0, scale.TwipsX(width()) - kWidthMargin);
    const double heightTwips = std::max(0.0, scale.TwipsY(height()) - kHeightMargin);
    WebBrowser1->resize(scale.PixelsX(widthTwips), scale.PixelsY(heightTwips));
}

}  // namespace lumeta
