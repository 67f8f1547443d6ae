// The help page's resources: any address a page may hold (relative or absolute, any
// scheme, control characters, "..", links) is answered at once, and what is answered is a
// regular file inside the page's folder, never larger than the bound.
#include <sys/stat.h>

#include <QFileInfo>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "app/help_resources.h"
#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;

constexpr qint64 kLimit = 4096;

// The page's folder with something of every kind a page may point at.
const QString& PageFolder() {
    static const QString folder = [] {
        const fs::path root = lumeta::fuzz::ScratchFolder();
        const fs::path help = root / "help";
        fs::create_directories(help / "pictures");
        std::ofstream(root / "outside.png") << "outside";
        std::ofstream(help / "lumeta.htm") << "<p>help</p>";
        std::ofstream(help / "pictures" / "board.png") << "picture";
        std::ofstream(help / "huge.png") << std::string(kLimit + 1, 'x');
        mkfifo((help / "fifo.png").c_str(), 0644);
        std::error_code ec;
        fs::create_symlink("/dev/zero", help / "zero.png", ec);
        fs::create_symlink(root / "outside.png", help / "out.png", ec);
        fs::create_symlink(help / "pictures", help / "in", ec);
        return QString::fromStdString(help.string());
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    const QString& folder = PageFolder();
    const QUrl page = QUrl::fromLocalFile(folder + QStringLiteral("/lumeta.htm"));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QUrl& url : {page.resolved(QUrl(text)), QUrl(text), QUrl::fromLocalFile(text)}) {
        const std::optional<QByteArray> bytes = ReadHelpResource(folder, url, kLimit);
        if (!bytes) continue;
        const QString path = HelpResourcePath(folder, url);
        LUMETA_FUZZ_REQUIRE(path.startsWith(QFileInfo(folder).canonicalFilePath() + "/"));
        LUMETA_FUZZ_REQUIRE(QFileInfo(path).isFile());
        LUMETA_FUZZ_REQUIRE(bytes->size() <= kLimit);
    }
    return 0;
}
