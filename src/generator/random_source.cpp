#include "generator/random_source.h"

#include <time.h>

#include <chrono>
#include <cstring>
#include <random>

namespace lumeta {

namespace {

constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

// A bijective 64-bit mixer (the splitmix64 finaliser).
std::uint64_t Mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t StartState() {
    std::uint64_t seed = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        seed ^= (std::uint64_t{device()} << 32) | device();
    } catch (...) {
        // No device: the clock alone still varies from run to run.
    }
    return Mix64(seed);
}

}  // namespace

RandomSource::RandomSource(std::uint64_t state, bool fixed, float fixedTimer)
    : state_(state), fixed_(fixed), fixedTimer_(fixedTimer) {}

RandomSource RandomSource::FromClock() {
    return RandomSource(StartState(), false, 0.0f);
}

RandomSource RandomSource::Fixed(std::uint64_t seed, float timerValue) {
    return RandomSource(Mix64(seed + kGolden), true, timerValue);
}

float RandomSource::Timer() {
    if (fixed_) return fixedTimer_;
    // The coarse clock is read before every draw; it costs a few nanoseconds.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    if (now.tv_sec >= offsetValidUntil_ || now.tv_sec < midnight_) {
        const time_t seconds = now.tv_sec;
        tm local{};
        localtime_r(&seconds, &local);
        const std::int64_t sinceMidnight = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
        midnight_ = now.tv_sec - sinceMidnight;
        offsetValidUntil_ = now.tv_sec + 3600 - (local.tm_min * 60 + local.tm_sec);
    }
    return static_cast<float>(static_cast<double>(now.tv_sec - midnight_) +
                              static_cast<double>(now.tv_nsec) * 1e-9);
}

void RandomSource::Reseed(float timerValue) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &timerValue, sizeof bits);
    // Mixing into the state keeps the stream going: with a constant value the step
    // below is a fixed permutation of the 2^64 states, not a restart.
    state_ = Mix64(state_ ^ ((std::uint64_t{bits} << 32) | bits));
}

double RandomSource::Next() {
    state_ += kGolden;
    return static_cast<double>(Mix64(state_) >> 11) * 0x1.0p-53;
}

double RandomSource::DrawUnit() {
    Reseed(Timer());
    return Next();
}

int RandomSource::Draw(int n) {
    const int j = static_cast<int>(DrawUnit() * n) + 1;
    return j > n ? n : j;
}

}  // namespace lumeta
