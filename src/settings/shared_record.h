#pragma once
// A record that more than one thread reads and writes — the station's
// settings and its copy of the machine parameters — kept behind one lock.
// Nobody holds a reference into it: readers take a copy (Get) or look at it
// for the length of one call (Read); writers hand in a whole record (Set) or
// change some of its fields inside one call (Edit).  The callables run under
// the lock, so they must be short and must not block, talk to the machine or
// touch another SharedRecord.
#include <mutex>
#include <utility>

namespace pv {

template <class T>
class SharedRecord {
public:
    SharedRecord() = default;
    explicit SharedRecord(T value) : value_(std::move(value)) {}
    SharedRecord(const SharedRecord&) = delete;
    SharedRecord& operator=(const SharedRecord&) = delete;

    // A copy of the whole record as it is now.
    T Get() const {
        std::lock_guard guard(lock_);
        return value_;
    }
    // Replaces the whole record.
    void Set(T value) {
        std::lock_guard guard(lock_);
        value_ = std::move(value);
    }
    // f(const T&) under the lock; returns a copy of what f returns (one field,
    // without copying the rest of the record).
    template <class F>
    auto Read(F&& f) const {
        std::lock_guard guard(lock_);
        return std::forward<F>(f)(std::as_const(value_));
    }
    // f(T&) under the lock; returns what f returns.  Changes only the fields
    // f writes, so edits of different fields by different threads never undo
    // each other.
    template <class F>
    auto Edit(F&& f) {
        std::lock_guard guard(lock_);
        return std::forward<F>(f)(value_);
    }

private:
    mutable std::mutex lock_;
    T value_{};
};

}  // namespace pv
