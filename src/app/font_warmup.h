#pragma once

#include <thread>

namespace lumeta {

// Reads the desktop's font configuration (dozens of files of rules) on a second processor
// while the application and its window are being made, instead of at the first text the
// window measures. Reading it twice at once is safe, only wasted: call Wait before the
// first text is measured or drawn.
class FontConfigWarmup {
  public:
    FontConfigWarmup();
    ~FontConfigWarmup();
    FontConfigWarmup(const FontConfigWarmup&) = delete;
    FontConfigWarmup& operator=(const FontConfigWarmup&) = delete;

    void Wait();

  private:
    std::thread reader_;
};

}  // namespace lumeta
