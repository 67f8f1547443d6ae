#include "tools/checked_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumeta {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_, buffer_ + sizeof buffer_);
}

DescriptorOutput::~DescriptorOutput() {
    Drain();
}

bool DescriptorOutput::Drain() {
    const char* data = pbase();
    std::size_t size = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    if (error_ != 0) return false;  // what follows a cut must not land after the gap
    while (size > 0) {
        const ssize_t put = write(fd_, data, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            error_ = put < 0 ? errno : EIO;
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize DescriptorOutput::xsputn(const char* data, std::streamsize size) {
    std::streamsize done = 0;
    while (done < size) {
        if (pptr() == epptr() && !Drain()) return done;
        const std::streamsize room = epptr() - pptr();
        const std::streamsize part = size - done < room ? size - done : room;
        std::memcpy(pptr(), data + done, static_cast<std::size_t>(part));
        pbump(static_cast<int>(part));
        done += part;
    }
    return done;
}

int DescriptorOutput::sync() {
    return Drain() ? 0 : -1;
}

bool DescriptorOutput::Finish() {
    return Drain() && error_ == 0;
}

std::string DescriptorOutput::problem() const {
    return error_ == 0 ? std::string() : std::strerror(error_);
}

}  // namespace lumeta
