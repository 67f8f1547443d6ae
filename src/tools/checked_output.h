#pragma once

#include <streambuf>
#include <string>

namespace lumeta {

// A stream buffer that writes to a file descriptor in large blocks and remembers the first
// failed write, so that the program can say why its output was cut and end with a
// non-zero status instead of reporting a cut output as done.
class DescriptorOutput : public std::streambuf {
  public:
    explicit DescriptorOutput(int fd);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

    // Writes what is buffered; false when any write failed, now or before.
    bool Finish();
    // Why the first failed write failed ("No space left on device"); empty when none did.
    std::string problem() const;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

  private:
    bool Drain();

    int fd_;
    int error_ = 0;
    char buffer_[1 << 16];
};

}  // namespace lumeta
