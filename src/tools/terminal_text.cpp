#include "tools/terminal_text.h"

namespace lumeta {

namespace {

// The length of the UTF-8 character that starts with `lead`, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xc2 && lead <= 0xdf) return 2;
    if (lead >= 0xe0 && lead <= 0xef) return 3;
    if (lead >= 0xf0 && lead <= 0xf4) return 4;
    return 0;
}

// Whether a complete sequence is a character a terminal prints: no overlong form, no
// surrogate, nothing past U+10FFFF, and no C1 control (U+0080..U+009F).
bool PrintableSequence(const unsigned char* bytes, std::size_t size) {
    unsigned long code = bytes[0] & (0x7f >> size);
    for (std::size_t i = 1; i < size; ++i)
        code = (code << 6) | (bytes[i] & 0x3f);
    static const unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kLeast[size] && code >= 0xa0 && (code < 0xd800 || code > 0xdfff) &&
           code <= 0x10ffff;
}

}  // namespace

bool TerminalSafeOutput::Put(const char* bytes, std::size_t size) {
    if (failed_) return false;
    failed_ = target_->sputn(bytes, static_cast<std::streamsize>(size)) !=
              static_cast<std::streamsize>(size);
    return !failed_;
}

bool TerminalSafeOutput::MaskPending() {
    const std::size_t masked = have_;
    have_ = need_ = 0;
    for (std::size_t i = 0; i < masked; ++i)
        if (!Put("?", 1)) return false;
    return true;
}

bool TerminalSafeOutput::Take(unsigned char byte) {
    if (have_ > 0) {
        if ((byte & 0xc0) == 0x80) {
            pending_[have_++] = byte;
            if (have_ < need_) return true;
            const bool printable = PrintableSequence(pending_, need_);
            const std::size_t size = need_;
            have_ = need_ = 0;
            if (printable) return Put(reinterpret_cast<const char*>(pending_), size);
            for (std::size_t i = 0; i < size; ++i)
                if (!Put("?", 1)) return false;
            return true;
        }
        if (!MaskPending()) return false;  // cut short: the byte starts afresh
    }
    if (byte == '\n' || (byte >= ' ' && byte <= '~')) {
        const char c = static_cast<char>(byte);
        return Put(&c, 1);
    }
    need_ = SequenceLength(byte);
    if (need_ == 0) return Put("?", 1);
    pending_[have_++] = byte;
    return true;
}

TerminalSafeOutput::int_type TerminalSafeOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    return Take(static_cast<unsigned char>(traits_type::to_char_type(c))) ? c : traits_type::eof();
}

std::streamsize TerminalSafeOutput::xsputn(const char* data, std::streamsize size) {
    std::streamsize done = 0;
    while (done < size) {
        // Runs of plain text go on in one piece.
        std::streamsize plain = done;
        while (have_ == 0 && plain < size &&
               (data[plain] == '\n' || (data[plain] >= ' ' && data[plain] <= '~')))
            ++plain;
        if (plain > done) {
            if (!Put(data + done, static_cast<std::size_t>(plain - done))) return done;
            done = plain;
            continue;
        }
        if (!Take(static_cast<unsigned char>(data[done]))) return done;
        ++done;
    }
    return done;
}

bool TerminalSafeOutput::Finish() {
    return MaskPending() && !failed_;
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if ((c >= 0 && c < ' ') || c == '\x7f') c = '?';
    return line;
}

bool TerminalSafeOutput::WritesInto(const std::ostream& stream, const std::streambuf* target) {
    const auto* safe = dynamic_cast<const TerminalSafeOutput*>(stream.rdbuf());
    return safe && safe->target_ == target;
}

}  // namespace lumeta
