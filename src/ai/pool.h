// The threads the computer's search runs on: the caller and the others kept waiting between
// searches. A job runs on all of them at once and the caller returns when every one is done.
#pragma once

namespace orizen::search {

class Pool {
public:
    using Job = void (*)(void* context, int worker);

    static Pool& instance();
    // Threads a job runs on, the caller included (worker 0).
    int size() const { return size_; }
    void run(Job job, void* context);
    // The job on every thread but the caller; the caller goes on and must wait() before the next.
    void start(Job job, void* context);
    void wait();

    ~Pool();

private:
    Pool();
    struct State;
    State* state_;
    int size_ = 1;
};

}  // namespace orizen::search
