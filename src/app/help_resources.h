#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

namespace lumeta {

// The most a help page or one of its pictures or style sheets may take.
inline constexpr qint64 kHelpResourceLimit = 8 << 20;

// The file a help page may load for `url`: a local file inside `folder` (the help page's
// own folder, or one below it), with every link in its path followed. Empty when the
// address is no local file, names nothing, or leads outside the folder.
QString HelpResourcePath(const QString& folder, const QUrl& url);

// The bytes of what the help page asks for, or none when it may not have them: anything
// HelpResourcePath refuses, anything but a regular file (a FIFO or a device would never
// end, or never answer), and a file larger than `limit`. Never waits for a reader.
std::optional<QByteArray> ReadHelpResource(const QString& folder, const QUrl& url,
                                           qint64 limit = kHelpResourceLimit);

}  // namespace lumeta
