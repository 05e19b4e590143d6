// The search's threads: started by the first job, woken for each one, joined when the pool goes.
#include "classic/pool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "rules/threads.h"

namespace orizen::search {

struct Pool::State {
    std::mutex running;  // one job at a time, whoever calls
    std::mutex mutex;
    std::condition_variable wake, finished;
    std::vector<std::thread> threads;
    Job job = nullptr;
    void* context = nullptr;
    unsigned generation = 0;
    int busy = 0;
    bool quit = false;
};

int Pool::defaultSize() { return kThreads ? int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)) : 1; }

Pool::Pool(int threads) : state_(new State), size_(kThreads ? std::clamp(threads, 1, 8) : 1) {}

// The other threads, started by the first job.
void Pool::spawn() {
    for (int w = 1; w < size_; ++w)
        state_->threads.emplace_back([this, w] {
            State& s = *state_;
            unsigned seen = 0;
            for (;;) {
                std::unique_lock<std::mutex> lock(s.mutex);
                s.wake.wait(lock, [&] { return s.quit || s.generation != seen; });
                if (s.quit) return;
                seen = s.generation;
                const Job job = s.job;
                void* context = s.context;
                lock.unlock();
                job(context, w);
                lock.lock();
                if (--s.busy == 0) s.finished.notify_one();
            }
        });
}

Pool::~Pool() {
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->quit = true;
    }
    state_->wake.notify_all();
    for (std::thread& t : state_->threads) t.join();
    delete state_;
}

void Pool::run(Job job, void* context) {
    start(job, context);
    job(context, 0);
    wait();
}

void Pool::start(Job job, void* context) {
    State& s = *state_;
    s.running.lock();
    if (s.threads.empty() && size_ > 1) spawn();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.job = job;
        s.context = context;
        s.busy = size_ - 1;
        ++s.generation;
    }
    s.wake.notify_all();
}

void Pool::wait() {
    State& s = *state_;
    {
        std::unique_lock<std::mutex> lock(s.mutex);
        s.finished.wait(lock, [&] { return s.busy == 0; });
    }
    s.running.unlock();
}

}  // namespace orizen::search
