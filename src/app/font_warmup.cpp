#include "app/font_warmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace lumeta {

FontConfigWarmup::FontConfigWarmup() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration when it needs it.
    }
}

FontConfigWarmup::~FontConfigWarmup() {
    Wait();
}

void FontConfigWarmup::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace lumeta
