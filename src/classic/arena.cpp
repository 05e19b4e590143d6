#include "classic/arena.h"

#include <cstdint>
#include <cstdlib>

#ifndef __EMSCRIPTEN__  // WebAssembly's memory has no pages to advise on
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orizen::search {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kBlock = 2 * kHugePage;  // two threads' buffers and the shared ones

}  // namespace

Arena::Arena() : block_(static_cast<char*>(std::aligned_alloc(kHugePage, kBlock))) {
#ifdef MADV_HUGEPAGE
    if (block_ != nullptr) madvise(block_, kBlock, MADV_HUGEPAGE);
#endif
}

Arena::~Arena() { std::free(block_); }

void* Arena::take(std::size_t bytes, std::size_t align) {
    if (block_ != nullptr) {
        std::size_t at = used_.load(std::memory_order_relaxed);
        for (;;) {
            const std::size_t start = (at + align - 1) & ~(align - 1);
            if (start + bytes > kBlock) break;
            if (used_.compare_exchange_weak(at, start + bytes, std::memory_order_relaxed)) return block_ + start;
        }
    }
    return ::operator new(bytes);
}

void Arena::give(void* p) {
    if (p != nullptr && (block_ == nullptr || p < block_ || p >= block_ + kBlock)) ::operator delete(p);
}

void Arena::prefault() {
#ifdef MADV_POPULATE_WRITE
    if (block_ != nullptr) madvise(block_, kBlock, MADV_POPULATE_WRITE);  // kernels before 5.14 refuse it
#endif
}

void programPrefault() {
#ifdef MADV_POPULATE_READ
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& h = info->dlpi_phdr[i];
                if (h.p_type != PT_LOAD || (h.p_flags & PF_W) != 0) continue;
                const std::uintptr_t start = (info->dlpi_addr + h.p_vaddr) & ~(page - 1);
                const std::uintptr_t end = info->dlpi_addr + h.p_vaddr + h.p_memsz;
                madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_READ);
            }
            return 1;  // the program itself comes first; the libraries are left as they are
        },
        nullptr);
#endif
}

}  // namespace orizen::search
