#include "puzzlefiles/line_scanner.h"

#include "puzzlefiles/regular_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace lumeta {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;
// A block small enough to come from the heap: the first block of 1 MiB a process takes is
// mapped fresh, and the kernel's copies into it made a whole pass twice as slow.
constexpr std::size_t kOnePassBlockSize = 1 << 16;

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

namespace {

// The last line end at or below `from` (a CR LF pair as its LF), or -1.
std::ptrdiff_t LastLineEnd(const unsigned char* data, std::ptrdiff_t from) {
    while (from >= 0 && !IsLineEnd(data[from]))
        --from;
    return from;
}

}  // namespace

LineScan CountAndKeepLine(const std::string& path, std::int64_t wantLine, std::size_t keepChars) {
    LineScan scan;
    std::unique_ptr<std::FILE, FileCloser> file(OpenRegularFile(path));
    if (!file) return scan;
    std::vector<unsigned char> block(kOnePassBlockSize);

    std::int64_t endsSeen = 0;
    bool prevWasCR = false;
    bool pendingText = false;
    // Byte offsets where the open line and the line before it start.
    std::int64_t openStart = 0, previousStart = 0;
    std::int64_t wantedStart = wantLine == 1 ? 0 : -1;
    std::int64_t base = 0;  // offset of the block
    while (true) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0) {
            if (std::ferror(file.get())) return LineScan{};
            break;
        }
        const unsigned char* data = block.data();
        std::size_t i = 0;
        if (prevWasCR && data[0] == '\n') {
            i = 1;  // the LF of a CR LF split across blocks: the open line starts after it
            openStart = base + 1;
        }
        prevWasCR = false;
        const std::int64_t ends = CountLineEnds(data + i, got - i);
        if (wantedStart < 0 && wantLine > 1 && endsSeen + ends >= wantLine - 1) {
            // Line wantLine starts in this block, after its (wantLine - 1)th line end.
            std::int64_t seen = endsSeen;
            std::size_t k = i;
            while (seen < wantLine - 1) {
                const unsigned char c = data[k++];
                if (c == '\n' || (c == '\r' && !(k < got && data[k] == '\n'))) ++seen;
            }
            wantedStart = base + static_cast<std::int64_t>(k);
        }
        if (ends > 0) {
            // The last line end of the block and the one before it, walking back.
            const auto last = LastLineEnd(data, static_cast<std::ptrdiff_t>(got) - 1);
            std::ptrdiff_t before = last - 1;
            if (data[last] == '\n' && before >= 0 && data[before] == '\r') --before;
            before = LastLineEnd(data, before);
            previousStart = before >= 0 ? base + before + 1 : openStart;
            openStart = base + last + 1;
        }
        endsSeen += ends;
        if (i < got) {
            pendingText = !IsLineEnd(data[got - 1]);
            prevWasCR = data[got - 1] == '\r';
        }
        base += static_cast<std::int64_t>(got);
    }
    scan.readable = true;
    scan.lines = endsSeen + (pendingText ? 1 : 0);
    if (wantLine == -1 && scan.lines > 0) wantedStart = pendingText ? openStart : previousStart;
    if (wantLine == 0 || wantLine < -1 || wantLine > scan.lines || wantedStart < 0) return scan;

    // The kept characters: one short read at the line's start, from the byte before it:
    // a CR there with an LF at the start is a CR LF split across blocks, the LF no text.
    scan.found = true;
    if (keepChars == 0) return scan;
    const std::int64_t from = wantedStart > 0 ? wantedStart - 1 : 0;
    if (fseeko(file.get(), static_cast<off_t>(from), SEEK_SET) != 0) return LineScan{};
    std::string bytes(keepChars + 2, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    if (std::ferror(file.get())) return LineScan{};
    std::size_t skip = wantedStart > 0 ? 1 : 0;
    if (skip == 1 && bytes.size() > 1 && bytes[0] == '\r' && bytes[1] == '\n') skip = 2;
    scan.text = bytes.substr(std::min(skip, bytes.size()), keepChars);
    const std::size_t end = scan.text.find_first_of("\r\n");
    if (end != std::string::npos) scan.text.resize(end);
    return scan;
}

}  // namespace lumeta
