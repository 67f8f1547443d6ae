#include "generator/random_source.h"

#include <dlfcn.h>

#include <chrono>
#include <cstring>
#include <random>

namespace lumeta {

namespace {

// A seed that differs from run to run and from source to source.
std::uint64_t StartSeed() {
    std::uint64_t seed = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        seed ^= (std::uint64_t{device()} << 32) | device();
    } catch (...) {
        // No device: the clock alone still varies from run to run.
    }
    return seed;
}

}  // namespace

RandomSource::ReadClockFn RandomSource::FastestClock() {
    static const ReadClockFn fastest = [] {
        void* vdso = dlopen("linux-vdso.so.1", RTLD_LAZY | RTLD_NOLOAD);
        void* read = vdso ? dlsym(vdso, "__vdso_clock_gettime") : nullptr;
        return read ? reinterpret_cast<ReadClockFn>(read) : &clock_gettime;
    }();
    return fastest;
}

RandomSource::RandomSource(std::uint64_t state, bool fixed, float fixedTimer)
    : state_(state), fixed_(fixed), fixedTimer_(fixedTimer) {}

RandomSource RandomSource::FromClock() {
    return RandomSource(Mix64(StartSeed()), false, 0.0f);
}

RandomSource RandomSource::OnClock(ReadClockFn readClock, std::uint64_t seed) {
    RandomSource source(Mix64(seed + kGolden), false, 0.0f);
    source.readClock_ = readClock;
    return source;
}

RandomSource RandomSource::Fixed(std::uint64_t seed, float timerValue) {
    return RandomSource(Mix64(seed + kGolden), true, timerValue);
}

float RandomSource::ConvertClock(const timespec& now) {
    if (now.tv_sec >= offsetValidUntil_ || now.tv_sec < midnight_) {
        const time_t seconds = now.tv_sec;
        tm local{};
        localtime_r(&seconds, &local);
        const std::int64_t sinceMidnight = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
        midnight_ = now.tv_sec - sinceMidnight;
        offsetValidUntil_ = now.tv_sec + 3600 - (local.tm_min * 60 + local.tm_sec);
    }
    lastSeconds_ = now.tv_sec;
    lastNanoseconds_ = now.tv_nsec;
    lastTimer_ = static_cast<float>(static_cast<double>(now.tv_sec - midnight_) +
                                    static_cast<double>(now.tv_nsec) * 1e-9);
    return lastTimer_;
}

}  // namespace lumeta
