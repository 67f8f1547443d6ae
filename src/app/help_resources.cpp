#include "app/help_resources.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string>

#include "puzzlefiles/regular_file.h"

namespace lumeta {

QString HelpResourcePath(const QString& folder, const QUrl& url) {
    if (!url.isLocalFile()) return {};
    const QString local = url.toLocalFile();
    // The system reads a name only up to a NUL ("link.png%00" opens "link.png", where the
    // check below saw another name): no file name holds one.
    if (local.contains(QChar(u'\0'))) return {};
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString path = QFileInfo(local).canonicalFilePath();
    if (root.isEmpty() || path.isEmpty()) return {};
    const QString inside = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(inside) ? path : QString();
}

std::optional<QByteArray> ReadHelpResource(const QString& folder, const QUrl& url, qint64 limit) {
    const QString path = HelpResourcePath(folder, url);
    if (path.isEmpty()) return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    std::FILE* in = OpenRegularFile(std::string(name.constData(), name.size()));
    if (!in) return std::nullopt;
    // Read in blocks up to one byte past the limit, which tells a file that is too large.
    QByteArray bytes;
    char block[1 << 16];
    std::size_t got = 0;
    while (bytes.size() <= limit && (got = std::fread(block, 1, sizeof block, in)) > 0)
        bytes.append(block, static_cast<qsizetype>(got));
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || bytes.size() > limit) return std::nullopt;
    return bytes;
}

}  // namespace lumeta
