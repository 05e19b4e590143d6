// The threads the computer's search runs on: the caller and the others, started by the first job
// and kept waiting between searches. A job runs on all of them at once and the caller returns when
// every one is done.
#pragma once

namespace orizen::search {

class Pool {
public:
    using Job = void (*)(void* context, int worker);

    // `threads` threads, the caller included: 1 to 8 (1 where the build has no threads).
    explicit Pool(int threads);
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;
    // The machine's width, at most eight.
    static int defaultSize();
    // Threads a job runs on, the caller included (worker 0).
    int size() const { return size_; }
    void run(Job job, void* context);
    // The job on every thread but the caller; the caller goes on and must wait() before the next.
    void start(Job job, void* context);
    void wait();

    // Ends a started job early: `cancel` (which the job's workers poll) is called, then wait().
    // For a caller that leaves between start() and wait() by an exception.
    class Guard {
    public:
        Guard(Pool& pool, void (*cancel)(void*), void* context) : pool_(pool), cancel_(cancel), context_(context) {}
        ~Guard() {
            if (!armed_) return;
            cancel_(context_);
            pool_.wait();
        }
        void arm() { armed_ = true; }
        void wait() {
            armed_ = false;
            pool_.wait();
        }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        Pool& pool_;
        void (*cancel_)(void*);
        void* context_;
        bool armed_ = false;
    };

    ~Pool();

private:
    void spawn();
    struct State;
    State* state_;
    int size_ = 1;
};

}  // namespace orizen::search
