#include "tools/parallel_lines.h"

#include <sched.h>

#include <chrono>
#include <utility>

namespace lumeta {

namespace {

// Lines waiting to be taken: enough that no thread waits on the taker's writing, few
// enough that stopping wastes little.
constexpr std::size_t kLinesAhead = 1024;
constexpr std::size_t kBatchLines = 64;
constexpr std::chrono::milliseconds kBatchTime{5};

}  // namespace

ParallelLines::ParallelLines(int jobs, MakerFactory factory) : factory_(std::move(factory)) {
    for (int j = 0; j < jobs; ++j)
        threads_.emplace_back([this] { Work(); });
}

ParallelLines::~ParallelLines() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    room_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

std::string ParallelLines::Next() {
    // The lines finished are taken all at once, so the threads seldom meet at the lock.
    if (taken_.empty()) {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] { return !lines_.empty(); });
        std::swap(taken_, lines_);
        lock.unlock();
        room_.notify_all();
    }
    std::string line = std::move(taken_.front());
    taken_.pop_front();
    return line;
}

void ParallelLines::Work() {
    const Maker make = factory_();
    std::vector<std::string> batch;
    for (;;) {
        // Quick lines go over in batches, so the taker is not woken for every one; a batch
        // waits no longer than a moment for slow ones.
        const auto start = std::chrono::steady_clock::now();
        do
            batch.push_back(make());
        while (batch.size() < kBatchLines && std::chrono::steady_clock::now() - start < kBatchTime);
        std::unique_lock<std::mutex> lock(mutex_);
        room_.wait(lock, [this] { return stopping_ || lines_.size() < kLinesAhead; });
        if (stopping_) return;
        const bool wasEmpty = lines_.empty();  // only then may the taker be waiting
        for (std::string& line : batch)
            lines_.push_back(std::move(line));
        lock.unlock();
        batch.clear();
        if (wasEmpty) ready_.notify_one();
    }
}

int AvailableJobs() {
    // The processors this process may run on, which a pinned run narrows.
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
    const unsigned count = std::thread::hardware_concurrency();
    return count == 0 ? 1 : static_cast<int>(count);
}

}  // namespace lumeta
