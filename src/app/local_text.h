#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace lumeta {

// The program keeps its texts and paths as 8-bit text in the system's encoding; the
// widgets show them as QString.
inline QString QtText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string LocalText(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace lumeta
