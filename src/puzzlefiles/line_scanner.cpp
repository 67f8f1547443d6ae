#include "puzzlefiles/line_scanner.h"

#include "puzzlefiles/regular_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace lumeta {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool IsLineEnd(unsigned char c) {
    return c == '\n' || c == '\r';
}

// Line ends in a block: every CR, and every LF that does not close a CR LF pair. A CR LF
// split across two blocks is handled by the caller skipping the LF. One pass with a byte
// counter, flushed every 255 bytes, so the compiler can vectorise it.
std::int64_t CountLineEnds(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    std::int64_t ends = IsLineEnd(data[0]) ? 1 : 0;
    std::size_t i = 1;
    while (i < size) {
        const std::size_t stop = std::min(size, i + 255);
        unsigned char chunk = 0;
        for (; i < stop; ++i)
            chunk += (data[i] == '\r') | ((data[i] == '\n') & (data[i - 1] != '\r'));
        ends += chunk;
    }
    return ends;
}

}  // namespace

LineScan ScanLines(const std::string& path, std::int64_t wantLine, std::size_t keepChars) {
    LineScan scan;
    std::unique_ptr<std::FILE, FileCloser> file(OpenRegularFile(path));
    if (!file) return scan;
    std::vector<unsigned char> block(kBlockSize);

    std::int64_t endsSeen = 0;  // line ends passed so far
    bool prevWasCR = false;     // the last byte read was a CR
    bool pendingText = false;   // bytes after the last line end
    bool collecting = false;    // inside the wanted line
    while (true) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0) {
            if (std::ferror(file.get())) return LineScan{};
            break;
        }
        const unsigned char* data = block.data();
        std::size_t i = (prevWasCR && data[0] == '\n') ? 1 : 0;
        prevWasCR = false;

        if (!collecting) {
            const std::int64_t ends = CountLineEnds(data + i, got - i);
            if (wantLine <= 0 || endsSeen + ends < wantLine - 1) {
                // The wanted line does not start in this block.
                endsSeen += ends;
                if (i < got) {
                    pendingText = !IsLineEnd(data[got - 1]);
                    prevWasCR = data[got - 1] == '\r';
                }
                continue;
            }
            // The wanted line starts in this block: walk to it.
            while (endsSeen < wantLine - 1) {
                const unsigned char c = data[i++];
                if (c == '\r') {
                    ++endsSeen;
                    if (i < got && data[i] == '\n')
                        ++i;
                    else if (i == got)
                        prevWasCR = true;
                } else if (c == '\n') {
                    ++endsSeen;
                }
            }
            collecting = true;
            pendingText = false;
        }

        for (; i < got; ++i) {
            const unsigned char c = data[i];
            if (IsLineEnd(c)) {
                scan.readable = true;
                scan.found = true;
                scan.lines = wantLine;
                return scan;
            }
            if (scan.text.size() < keepChars) scan.text.push_back(static_cast<char>(c));
            pendingText = true;
        }
    }
    scan.readable = true;
    scan.found = collecting && pendingText;
    scan.lines = scan.found ? wantLine : endsSeen + (pendingText ? 1 : 0);
    return scan;
}

}  // namespace lumeta
