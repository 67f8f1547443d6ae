#include "generator/line_set.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "generator/text_lines.h"

namespace lumeta {

namespace {

// A key word: 21 digits as a number in base 6 (55 bits), and above it the line's length
// (6 bits, in the low word), a bit that tells a used slot from a free one, and the mark.
constexpr int kDigitsPerWord = 21;
constexpr int kMaxDigits = 2 * kDigitsPerWord;
constexpr std::uint64_t kLengthShift = 55;
constexpr std::uint64_t kUsed = std::uint64_t{1} << 61;
constexpr int kMarkShift = 62;
constexpr std::uint64_t kMarkBits = std::uint64_t{3} << kMarkShift;

// Kept at most 4 in 5 full, so that a look-up reads few slots.
std::size_t CapacityFor(std::size_t lines) {
    return lines + lines / 4 + 16;
}

}  // namespace

DistinctLines::~DistinctLines() {
    std::free(slots_);
}

bool DistinctLines::Pack(std::string_view line, Key& key) {
    if (line.size() > kMaxDigits) return false;
    std::uint64_t words[2] = {0, 0};
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c < '1' || c > '6') return false;
        std::uint64_t& word = words[i / kDigitsPerWord];
        word = word * 6 + static_cast<std::uint64_t>(c - '1');
    }
    key.low = words[0] | (static_cast<std::uint64_t>(line.size()) << kLengthShift) | kUsed;
    key.high = words[1];
    return true;
}

std::size_t DistinctLines::SlotOf(const Key& key) const {
    std::uint64_t hash = (key.low & ~kMarkBits) * 0x9e3779b97f4a7c15ULL ^ key.high;
    hash = (hash ^ (hash >> 31)) * 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 29;
    // The hash scaled onto the table: any capacity works, not only powers of two.
    return static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * capacity_) >> 64);
}

void DistinctLines::Reserve(std::size_t lines) {
    if (CapacityFor(lines) > capacity_) Grow(CapacityFor(lines));
}

void DistinctLines::ReserveForFile(std::uint64_t bytes, std::size_t lines) {
    constexpr std::uint64_t kMostAhead = std::uint64_t{1} << 26;
    Reserve(lines + static_cast<std::size_t>(std::min(bytes / 43, kMostAhead)));
}

void DistinctLines::Grow(std::size_t capacity) {
    // calloc: a large table comes as untouched zero pages, which cost memory only once used.
    Key* fresh = static_cast<Key*>(std::calloc(capacity, sizeof(Key)));
    if (!fresh) throw std::bad_alloc();
    Key* old = slots_;
    const std::size_t oldCapacity = capacity_;
    slots_ = fresh;
    capacity_ = capacity;
    for (std::size_t i = 0; i < oldCapacity; ++i) {
        if (old[i].low == 0) continue;
        std::size_t slot = SlotOf(old[i]);
        while (slots_[slot].low != 0)
            slot = slot + 1 == capacity_ ? 0 : slot + 1;
        slots_[slot] = old[i];
    }
    std::free(old);
}

int DistinctLines::Find(std::string_view line) const {
    Key key;
    if (!Pack(line, key)) {
        const auto found = others_.find(FoldCase(line));
        return found == others_.end() ? -1 : found->second;
    }
    if (capacity_ == 0) return -1;
    for (std::size_t slot = SlotOf(key);; slot = slot + 1 == capacity_ ? 0 : slot + 1) {
        const Key& there = slots_[slot];
        if (there.low == 0) return -1;
        if ((there.low & ~kMarkBits) == key.low && there.high == key.high)
            return static_cast<int>(there.low >> kMarkShift);
    }
}

void DistinctLines::Add(std::string_view line, unsigned mark) {
    Key key;
    if (!Pack(line, key)) {
        others_.emplace(FoldCase(line), static_cast<unsigned char>(mark & 3));
        return;
    }
    if (CapacityFor(packedCount_ + 1) > capacity_) Grow(CapacityFor((packedCount_ + 1) * 3 / 2));
    std::size_t slot = SlotOf(key);
    while (slots_[slot].low != 0)
        slot = slot + 1 == capacity_ ? 0 : slot + 1;
    slots_[slot] = {key.low | (std::uint64_t{mark & 3} << kMarkShift), key.high};
    ++packedCount_;
}

void DistinctLines::Clear() {
    std::free(slots_);
    slots_ = nullptr;
    capacity_ = packedCount_ = 0;
    others_.clear();
}

bool DistinctLines::Insert(std::string_view line) {
    if (Find(line) >= 0) return false;
    Add(line);
    return true;
}

}  // namespace lumeta
