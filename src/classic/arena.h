// One block of memory for the search's buffers, which are made once per thread and kept: backed by
// huge pages where the system has them, so that the first search of a process finds its buffers in
// a few page faults rather than one per page. What is taken from the block is not given back; once
// it is used up, memory comes from the heap as usual.
#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace orizen::search {

// `bytes` aligned to `align` (at most 16), from the block while it lasts.
void* arenaTake(std::size_t bytes, std::size_t align);
// Gives back memory from arenaTake: the heap's to the heap, the block's to nobody.
void arenaGive(void* p);
// Has the system back the whole block with memory now, without changing what it holds: safe while
// other threads use it.
void arenaPrefault();
// Maps the program's code and constant data into memory now, so that a first search does not
// stop at every page of it the first time it runs there.
void programPrefault();

template <class T>
struct ArenaAllocator {
    using value_type = T;
    ArenaAllocator() = default;
    template <class U>
    ArenaAllocator(const ArenaAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(arenaTake(n * sizeof(T), alignof(T))); }
    void deallocate(T* p, std::size_t) { arenaGive(p); }
    template <class U>
    bool operator==(const ArenaAllocator<U>&) const { return true; }
};

// Room for one object, taken from the arena once and made anew in the same place each time.
template <class T>
class ArenaSlot {
public:
    ArenaSlot() = default;
    ArenaSlot(const ArenaSlot&) = delete;
    ArenaSlot& operator=(const ArenaSlot&) = delete;
    ~ArenaSlot() {
        clear();
        arenaGive(room_);
    }
    template <class... A>
    T& make(A&&... a) {
        clear();
        if (room_ == nullptr) room_ = arenaTake(sizeof(T), alignof(T));
        p_ = ::new (room_) T(std::forward<A>(a)...);
        return *p_;
    }
    void clear() {
        if (p_ != nullptr) p_->~T();
        p_ = nullptr;
    }
    T& operator*() const { return *p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    void* room_ = nullptr;
    T* p_ = nullptr;
};

}  // namespace orizen::search
