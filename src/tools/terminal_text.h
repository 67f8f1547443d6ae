#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace lumeta {

// Passes text on to another stream buffer with every character a terminal would obey
// replaced by "?": control characters (all but the line feed, also the C1 controls of
// UTF-8) and bytes that are not UTF-8. File names reach the terminal only through this,
// so a name holding an escape sequence or a line end cannot move the cursor or fake a line.
class TerminalSafeOutput : public std::streambuf {
  public:
    explicit TerminalSafeOutput(std::streambuf* target) : target_(target) {}
    ~TerminalSafeOutput() override { Finish(); }
    TerminalSafeOutput(const TerminalSafeOutput&) = delete;
    TerminalSafeOutput& operator=(const TerminalSafeOutput&) = delete;

    // Masks a character left unfinished at the end; false when the target refused bytes.
    bool Finish();
    // True when the stream writes through a TerminalSafeOutput into `target`.
    static bool WritesInto(const std::ostream& stream, const std::streambuf* target);

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;

  private:
    bool Take(unsigned char byte);
    bool Put(const char* bytes, std::size_t size);
    bool MaskPending();

    std::streambuf* target_;
    unsigned char pending_[4] = {};
    std::size_t have_ = 0;  // bytes of a UTF-8 character read so far
    std::size_t need_ = 0;  // bytes the character has in all
    bool failed_ = false;
};

// One line of text, such as a file name or a message that holds one, with every ASCII
// control character shown as "?", the line feed too: a name cannot fake a line of its own.
std::string OneLine(std::string_view text);

}  // namespace lumeta
