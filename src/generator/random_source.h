#pragma once

#include <cstdint>

namespace lumeta {

// The program's one source of chance: shuffles, the random puzzle pick, the shuffle tool.
//
// Every draw first re-seeds from the timer (seconds since midnight). Successive draws
// often see the same timer value, so a re-seed mixes the value into the running state
// instead of restarting from it: the same timer value never replays earlier draws.
//
// A fixed source reads a constant timer and starts from a given seed, so a run with
// the same seed repeats exactly.
class RandomSource {
  public:
    // Timer from the real-time clock; the stream starts from the moment of creation.
    static RandomSource FromClock();
    // Reproducible: the timer always reads timerValue and the stream starts from seed.
    static RandomSource Fixed(std::uint64_t seed, float timerValue = 0.0f);

    // Seconds since local midnight, single precision, as the timer reads now.
    float Timer();
    // Mixes a timer value into the running state. The state is never reset.
    void Reseed(float timerValue);
    // The next value in [0, 1), without re-seeding.
    double Next();

    // Re-seeds from the timer and draws a value in [0, 1).
    double DrawUnit();
    // Re-seeds from the timer and draws 1..n: integer part of value × n, plus 1.
    int Draw(int n);

  private:
    RandomSource(std::uint64_t state, bool fixed, float fixedTimer);

    std::uint64_t state_;
    bool fixed_;
    float fixedTimer_;
    // Local midnight as seconds of the real-time clock, refreshed once an hour so a
    // change of the clock's offset (summer time) is picked up.
    std::int64_t midnight_ = 0;
    std::int64_t offsetValidUntil_ = 0;
};

}  // namespace lumeta
