#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/scenario_error.h"

namespace sced {

// A list whose capacity is fixed when it is made; adding beyond it is an
// error ("List is overfilled."), never growth. Cleared slots are reused.
template <typename T>
class FixedList {
public:
    explicit FixedList(int capacity) : items_(static_cast<std::size_t>(capacity)) {}

    FixedList(const FixedList&) = default;
    FixedList(FixedList&&) noexcept = default;

    // Keeps this list's capacity (also for a moved source): an oversized
    // source raises part way.
    FixedList& operator=(const FixedList& other) {
        if (this != &other) Assign(other);
        return *this;
    }

    void Assign(const FixedList& other) {
        count_ = 0;
        for (int i = 0; i < other.count_; ++i) Add(other[i]);
    }

    void Add(const T& item) {
        Check(count_ < capacity(), "List is overfilled.");
        items_[static_cast<std::size_t>(count_)] = item;
        ++count_;
    }

    void Clear() { count_ = 0; }

    int count() const { return count_; }
    int capacity() const { return static_cast<int>(items_.size()); }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ == capacity(); }
    bool Contains(int index) const { return index >= 0 && index < count_; }

    // Callers keep index inside 0..count-1 (see Contains).
    T& operator[](int index) { return items_[static_cast<std::size_t>(index)]; }
    const T& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }

    T* begin() { return items_.data(); }
    T* end() { return items_.data() + count_; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + count_; }

    // The first index whose element equals the item, -1 when none.
    int IndexOf(const T& item) const {
        for (int i = 0; i < count_; ++i)
            if (items_[static_cast<std::size_t>(i)] == item) return i;
        return -1;
    }

private:
    std::vector<T> items_;
    int count_ = 0;
};

inline constexpr int kStringListCapacity = 256;

// The item names of one object group.
class StringList : public FixedList<std::string> {
public:
    StringList() : FixedList<std::string>(kStringListCapacity) {}
};

}  // namespace sced
