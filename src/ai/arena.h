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

// An object made in the arena, destroyed (and its memory given back) with its owner.
template <class T>
class ArenaPtr {
public:
    ArenaPtr() = default;
    ArenaPtr(const ArenaPtr&) = delete;
    ArenaPtr& operator=(const ArenaPtr&) = delete;
    ~ArenaPtr() {
        if (p_ != nullptr) {
            p_->~T();
            arenaGive(p_);
        }
    }
    template <class... A>
    T& make(A&&... a) {
        p_ = ::new (arenaTake(sizeof(T), alignof(T))) T(std::forward<A>(a)...);
        return *p_;
    }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

}  // namespace orizen::search
