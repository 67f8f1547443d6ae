#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumeta {

// A set of lines compared as texts with ASCII letter case ignored, each with a small mark
// (0..3) its user keeps with it. Built for millions of puzzle lines: a line of at most 42
// digits 1..6 takes 16 bytes in an open-addressed table (about 20 bytes a line once the
// table is reserved for them); any other line is kept as its case-folded text.
class DistinctLines {
  public:
    DistinctLines() = default;
    DistinctLines(const DistinctLines&) = delete;
    DistinctLines& operator=(const DistinctLines&) = delete;
    ~DistinctLines();

    // Makes room for this many puzzle lines at once, so the table never grows past them.
    void Reserve(std::size_t lines);
    // Makes room, besides `lines`, for as many puzzle lines as a file of this size holds
    // (42 digits and a line end), up to 2^26 of them; past that the table grows as needed.
    void ReserveForFile(std::uint64_t bytes, std::size_t lines = 0);
    // The mark of the line when the set holds it (or a line equal to it but for letter
    // case), else -1.
    int Find(std::string_view line) const;
    // Adds a line the set does not hold yet.
    void Add(std::string_view line, unsigned mark = 0);
    // Adds the line unless the set holds it; true when added.
    bool Insert(std::string_view line);
    // Forgets every line and the table's room.
    void Clear();

    std::size_t size() const { return packedCount_ + others_.size(); }
    // The bytes the table of puzzle lines takes (the other lines not counted).
    std::size_t TableBytes() const { return capacity_ * sizeof(Key); }

  private:
    struct Key {
        std::uint64_t low = 0, high = 0;  // low == 0 && high == 0: a free slot
    };
    static bool Pack(std::string_view line, Key& key);
    std::size_t SlotOf(const Key& key) const;
    void Grow(std::size_t capacity);

    Key* slots_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t packedCount_ = 0;
    std::unordered_map<std::string, unsigned char> others_;  // folded text, mark
};

}  // namespace lumeta
