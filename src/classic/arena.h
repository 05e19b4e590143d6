// One block of memory for a search's buffers, which are made once per thread and kept: backed by
// huge pages where the system has them, so that the first search finds its buffers in a few page
// faults rather than one per page. What is taken from the block is not given back; once it is used
// up, memory comes from the heap as usual. Each engine has an arena of its own.
#pragma once

#include <atomic>
#include <cstddef>
#include <new>
#include <utility>

namespace orizen::search {

class Arena {
public:
    Arena();
    ~Arena();
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // `bytes` aligned to `align` (at most 16), from the block while it lasts. Safe from any thread.
    void* take(std::size_t bytes, std::size_t align);
    // Gives back memory from take: the heap's to the heap, the block's to nobody.
    void give(void* p);
    // Has the system back the whole block with memory now, without changing what it holds: safe
    // while other threads use it.
    void prefault();

private:
    char* block_;
    std::atomic<std::size_t> used_{0};
};

// Maps the program's code and constant data into memory now, so that a first search does not stop
// at every page of it the first time it runs there.
void programPrefault();

// An allocator from an arena; without one, from the heap.
template <class T>
struct ArenaAllocator {
    using value_type = T;
    Arena* arena = nullptr;
    ArenaAllocator() = default;
    explicit ArenaAllocator(Arena* a) : arena(a) {}
    template <class U>
    ArenaAllocator(const ArenaAllocator<U>& o) : arena(o.arena) {}
    T* allocate(std::size_t n) {
        return static_cast<T*>(arena != nullptr ? arena->take(n * sizeof(T), alignof(T)) : ::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t) {
        if (arena != nullptr) {
            arena->give(p);
        } else {
            ::operator delete(p);
        }
    }
    template <class U>
    bool operator==(const ArenaAllocator<U>& o) const { return arena == o.arena; }
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
        if (arena_ != nullptr) arena_->give(room_);
    }
    template <class... A>
    T& make(Arena& arena, A&&... a) {
        clear();
        if (room_ == nullptr) room_ = arena.take(sizeof(T), alignof(T)), arena_ = &arena;
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
    Arena* arena_ = nullptr;
    void* room_ = nullptr;
    T* p_ = nullptr;
};

}  // namespace orizen::search
