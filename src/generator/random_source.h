#pragma once

#include <time.h>

#include <cstdint>
#include <cstring>

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
    float Timer() { return fixed_ ? fixedTimer_ : ClockTimer(); }
    // Mixes a timer value into the running state. The state is never reset.
    void Reseed(float timerValue) {
        // Mixing into the state keeps the stream going: with a constant value the step
        // is a fixed permutation of the 2^64 states, not a restart.
        state_ = Mix64(state_ ^ TimerBits(timerValue));
    }
    // The next value in [0, 1), without re-seeding.
    double Next() {
        state_ += kGolden;
        return static_cast<double>(Mix64(state_) >> 11) * 0x1.0p-53;
    }

    // Re-seeds from the timer and draws a value in [0, 1).
    double DrawUnit() {
        Reseed(Timer());
        return Next();
    }
    // Re-seeds from the timer and draws 1..n: integer part of value × n, plus 1.
    int Draw(int n) {
        const int j = static_cast<int>(DrawUnit() * n) + 1;
        return j > n ? n : j;
    }

    // The draws of a shuffle from the top down: for n = top, top - 1, ..., 1 it re-seeds,
    // draws j in 1..n as Draw(n) does and calls take(n, j). The same draws as Draw in
    // that order, with the state kept in a register meanwhile.
    template <typename Take>
    void DrawDown(int top, Take take) {
        std::uint64_t state = state_;
        if (fixed_) {
            const std::uint64_t bits = TimerBits(fixedTimer_);
            for (int n = top; n >= 1; --n)
                take(n, ValueOf(state = Step(state, bits), n));
        } else {
            // Unrolled as the fixed loop is: the clock call alone stops the compiler.
#pragma GCC unroll 8
            for (int n = top; n >= 1; --n)
                take(n, ValueOf(state = Step(state, TimerBits(ClockTimer())), n));
        }
        state_ = state;
    }

    // Draws made now, their values taken later: made[d] holds draw d's state, and
    // ValueOf(made[d], n) is what Draw(n) would have returned for it. Between draws d and
    // d + 1 it calls alongside(d), which must not use this source: work that needs none
    // of these draws goes on while each waits for the one before.
    //
    // On the clock, the run reads the clock before its first draw and after its last:
    // when the two readings agree, the timer held that one value through every draw in
    // between, which is what a reading before each draw would have found. When a tick
    // falls inside, the draws are made again, reading the clock before each (alongside is
    // not called again).
    template <typename Alongside>
    void MakeDraws(std::uint64_t* made, int count, Alongside alongside) {
        const timespec before = fixed_ ? timespec{} : ReadClock();
        const std::uint64_t bits = TimerBits(fixed_ ? fixedTimer_ : TimerAt(before));
        std::uint64_t state = state_;
#pragma GCC unroll 6
        for (int d = 0; d < count; ++d) {
            made[d] = state = Step(state, bits);
            alongside(d);
        }
        if (!fixed_) {
            const timespec after = ReadClock();
            if (after.tv_sec != before.tv_sec || after.tv_nsec != before.tv_nsec) {
                state = state_;
                for (int d = 0; d < count; ++d)
                    made[d] = state = Step(state, TimerBits(ClockTimer()));
            }
        }
        state_ = state;
    }
    // The value 1..n of a draw made by MakeDraws.
    static int ValueOf(std::uint64_t made, int n) {
        if (n == 1) return 1;  // whatever the state: it moved on all the same
        const double unit = static_cast<double>(Mix64(made) >> 11) * 0x1.0p-53;
        const int j = static_cast<int>(unit * n) + 1;
        return j > n ? n : j;
    }
    // Draws made but never used can be taken back: the stream goes on from a point it
    // passed, as if they had not been made.
    std::uint64_t Position() const {
        return state_;
    }
    void ReturnTo(std::uint64_t position) {
        state_ = position;
    }

    // The clock as clock_gettime reads it.
    using ReadClockFn = int (*)(clockid_t, timespec*);
    // Like FromClock, on a clock of the caller's, from a given seed (tests step the clock).
    static RandomSource OnClock(ReadClockFn readClock, std::uint64_t seed);

  private:
    static constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

    // The timer value as mixed into the state: its bits in both halves.
    static std::uint64_t TimerBits(float timerValue) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &timerValue, sizeof bits);
        return (std::uint64_t{bits} << 32) | bits;
    }
    // One draw's move of the state: the re-seed with the timer, then the step.
    static std::uint64_t Step(std::uint64_t state, std::uint64_t timerBits) {
        return Mix64(state ^ timerBits) + kGolden;
    }

    // A bijective 64-bit mixer (the splitmix64 finaliser).
    static std::uint64_t Mix64(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    RandomSource(std::uint64_t state, bool fixed, float fixedTimer);
    // The timer reads the coarse real-time clock. Its tick (a few milliseconds)
    // is the right grain for this timer: seconds since midnight in single precision only
    // resolve 4-8 ms for most of the day, so a finer clock would mostly round to the same
    // value, and the timer this design follows steps at the system tick too. A reading
    // costs a fraction of a fine one (about 7 against 40 ns). It ticks far more slowly
    // than draws are made, so its value is converted only when the reading changes.
    timespec ReadClock() {
        timespec now{};
        readClock_(CLOCK_REALTIME_COARSE, &now);
        return now;
    }
    float TimerAt(const timespec& now) {
        if (now.tv_sec == lastSeconds_ && now.tv_nsec == lastNanoseconds_) return lastTimer_;
        return ConvertClock(now);
    }
    float ClockTimer() {
        return TimerAt(ReadClock());
    }
    float ConvertClock(const timespec& now);

    // clock_gettime, or the kernel's own copy of it when it can be found: the C library's
    // wrapper around it costs about as much again as the reading.
    static ReadClockFn FastestClock();

    ReadClockFn readClock_ = FastestClock();
    std::uint64_t state_;
    bool fixed_;
    float fixedTimer_;
    // Local midnight as seconds of the real-time clock, refreshed once an hour so a
    // change of the clock's offset (summer time) is picked up.
    std::int64_t midnight_ = 0;
    std::int64_t offsetValidUntil_ = 0;
    // The last clock reading and its value.
    std::int64_t lastSeconds_ = -1;
    long lastNanoseconds_ = 0;
    float lastTimer_ = 0.0f;
};

}  // namespace lumeta
