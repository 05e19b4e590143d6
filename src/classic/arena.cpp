#include "classic/arena.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

namespace orizen::search {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kBlock = 2 * kHugePage;  // two threads' buffers and the shared ones

char* block() {
    static char* const b = [] {
        void* p = std::aligned_alloc(kHugePage, kBlock);
#ifdef MADV_HUGEPAGE
        if (p != nullptr) madvise(p, kBlock, MADV_HUGEPAGE);
#endif
        return static_cast<char*>(p);
    }();
    return b;
}

std::atomic<std::size_t> used{0};

bool inBlock(const void* p) {
    const char* b = block();
    return b != nullptr && p >= b && p < b + kBlock;
}

}  // namespace

void* arenaTake(std::size_t bytes, std::size_t align) {
    if (char* b = block(); b != nullptr) {
        std::size_t at = used.load(std::memory_order_relaxed);
        for (;;) {
            const std::size_t start = (at + align - 1) & ~(align - 1);
            if (start + bytes > kBlock) break;
            if (used.compare_exchange_weak(at, start + bytes, std::memory_order_relaxed)) return b + start;
        }
    }
    return ::operator new(bytes);
}

void arenaPrefault() {
#ifdef MADV_POPULATE_WRITE
    if (char* b = block(); b != nullptr) madvise(b, kBlock, MADV_POPULATE_WRITE);  // kernels before 5.14 refuse it
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

void arenaGive(void* p) {
    if (p != nullptr && !inBlock(p)) ::operator delete(p);
}

}  // namespace orizen::search
