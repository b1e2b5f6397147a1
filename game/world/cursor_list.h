#pragma once

#include <cstddef>
#include <list>

// An ordered list of records with one shared cursor: the one list type of the world.
//
// The cursor semantics are relied upon throughout the game:
// - Reset leaves no current record; Next then moves to the first record, afterwards to the
//   following one. At the last record Next returns false and the cursor stays on the last record,
//   so an Add after a complete walk appends at the end.
// - Add inserts a default-initialised record after the current one (at the front when there is
//   no current record) and makes it current.
// - DeleteCurrent makes the previous record current; deleting the first record makes the new
//   first record current (so a walk in progress does not visit it again), deleting the only
//   record leaves no current record.
// Records never move in memory while they are in the list, so pointers to them stay valid until
// they are deleted.
template <class T>
class CursorList {
 public:
  CursorList() = default;
  // The cursor points into the list's own nodes, so a list is never copied. Moving hands the
  // records over with the cursor standing on the same record (or on none); the list moved from
  // is left empty.
  CursorList(const CursorList&) = delete;
  CursorList& operator=(const CursorList&) = delete;
  CursorList(CursorList&& other) noexcept { TakeFrom(other); }
  CursorList& operator=(CursorList&& other) noexcept {
    if (this != &other) TakeFrom(other);
    return *this;
  }

  using Iterator = typename std::list<T>::iterator;
  using ConstIterator = typename std::list<T>::const_iterator;

  void Reset() { cursor_ = records_.end(); }

  // Advances the cursor; false (cursor unchanged) at the end or on an empty list.
  bool Next() {
    if (records_.empty()) return false;
    if (cursor_ == records_.end()) {
      cursor_ = records_.begin();
      return true;
    }
    auto following = std::next(cursor_);
    if (following == records_.end()) return false;
    cursor_ = following;
    return true;
  }

  // Makes the first record current; false on an empty list.
  bool First() {
    cursor_ = records_.begin();
    return cursor_ != records_.end();
  }

  T& Add(T record = T{}) {
    auto position = cursor_ == records_.end() ? records_.begin() : std::next(cursor_);
    cursor_ = records_.insert(position, std::move(record));
    return *cursor_;
  }

  void DeleteCurrent() {
    if (cursor_ == records_.end()) return;
    if (cursor_ == records_.begin()) {
      records_.erase(cursor_);
      cursor_ = records_.begin();  // the new first record, or none when the list is now empty
      return;
    }
    auto previous = std::prev(cursor_);
    records_.erase(cursor_);
    cursor_ = previous;
  }

  void Clear() {
    records_.clear();
    cursor_ = records_.end();
  }

  int Count() const { return static_cast<int>(records_.size()); }
  bool Empty() const { return records_.empty(); }

  // 1-based position of the current record; 0 when there is none.
  int Index() const {
    if (cursor_ == records_.end()) return 0;
    int index = 1;
    for (auto it = records_.begin(); it != ConstIterator(cursor_); ++it) ++index;
    return index;
  }

  // Makes the given record current; false (cursor unchanged) when it is not in the list.
  bool MakeCurrent(const T* record) {
    for (auto it = records_.begin(); it != records_.end(); ++it) {
      if (&*it == record) {
        cursor_ = it;
        return true;
      }
    }
    return false;
  }

  T* Current() { return cursor_ == records_.end() ? nullptr : &*cursor_; }
  const T* Current() const { return cursor_ == records_.end() ? nullptr : &*cursor_; }

  // Read-only walks that leave the cursor alone (drawing, dumps, lookups).
  ConstIterator begin() const { return records_.begin(); }
  ConstIterator end() const { return records_.end(); }
  // Walks that change fields but never add or delete records.
  Iterator begin() { return records_.begin(); }
  Iterator end() { return records_.end(); }

  T* Front() { return records_.empty() ? nullptr : &records_.front(); }
  const T* Front() const { return records_.empty() ? nullptr : &records_.front(); }

 private:
  // Splicing keeps every node, so an iterator to a record stays valid in its new list.
  void TakeFrom(CursorList& other) {
    const bool noneCurrent = other.cursor_ == other.records_.end();
    records_.clear();
    records_.splice(records_.end(), other.records_);
    cursor_ = noneCurrent ? records_.end() : other.cursor_;
    other.cursor_ = other.records_.end();
  }

  std::list<T> records_;
  Iterator cursor_ = records_.end();
};
