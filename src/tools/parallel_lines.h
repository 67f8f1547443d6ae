#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumeta {

// Puzzle lines made on several threads at once, for runs on the clock: every thread has a
// maker of its own (its own board and random source), and the lines come out in the order
// they are finished. A few more lines are made than are taken; those are dropped.
class ParallelLines {
  public:
    using Maker = std::function<std::string()>;
    // Called on each thread once, for that thread's maker.
    using MakerFactory = std::function<Maker()>;

    ParallelLines(int jobs, MakerFactory factory);
    ~ParallelLines();  // stops the threads and waits for them
    ParallelLines(const ParallelLines&) = delete;
    ParallelLines& operator=(const ParallelLines&) = delete;

    // The next line finished, waiting for one when none is ready.
    std::string Next();

  private:
    void Work();

    MakerFactory factory_;
    std::mutex mutex_;
    std::condition_variable ready_, room_;
    std::deque<std::string> lines_;  // finished, not yet taken
    std::deque<std::string> taken_;  // taken from lines_, handed out by Next alone
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

// The processors this machine offers, at least 1.
int AvailableJobs();

}  // namespace lumeta
