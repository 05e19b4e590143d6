// The searching level's engine alone, for the page's worker: a search of a position the game sends
// as the engine holds it, its answer sent back as the engine reports it.
#include <emscripten.h>

#include <cstdint>

#include "engine/search.h"

namespace {

orizen::engine::Searcher* searcher = nullptr;

// A depth completed: the report so far goes to the page at once (the worker's script posts it).
EM_JS(void, depthDone, (const void* report, int size), { Module.depthDone(HEAPU8.slice(report, report + size)); });

}  // namespace

extern "C" {

// Searches `position` (an engine::Position) for its side to move with the keys of the game's
// earlier positions, for at most `ms` on `threads` threads (one where the build has none); hands the
// report so far to the worker's script after each depth, and writes the last engine::Report to
// `report`.
EMSCRIPTEN_KEEPALIVE void orizen_think(const void* position, const uint64_t* seen, int seenCount, int ms, int threads,
                                       void* report) {
    if (searcher == nullptr) searcher = new orizen::engine::Searcher;
    orizen::engine::Limits limits;
    limits.movetimeMs = ms;
    limits.threads = threads;
    // Told on this thread: the helper thread of a search on two reports nothing.
    limits.onDepth = [](void*, const orizen::engine::Report& r) { depthDone(&r, int(sizeof r)); };
    *static_cast<orizen::engine::Report*>(report) =
        searcher->think(*static_cast<const orizen::engine::Position*>(position), seen, seenCount, limits);
}

EMSCRIPTEN_KEEPALIVE int orizen_position_size() { return int(sizeof(orizen::engine::Position)); }
EMSCRIPTEN_KEEPALIVE int orizen_report_size() { return int(sizeof(orizen::engine::Report)); }

}  // extern "C"
