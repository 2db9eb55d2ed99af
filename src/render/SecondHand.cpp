#include "render/SecondHand.h"

#include <system_error>

namespace quorin {

SecondHand::~SecondHand() {
    {
        std::lock_guard guard(lock_);
        quit_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void SecondHand::Share(const std::function<void()>& mine, const std::function<void()>& theirs) {
    if (!failed_ && !thread_.joinable()) {
        if (std::thread::hardware_concurrency() < 2) {
            failed_ = true;
        } else {
            try {
                thread_ = std::thread(&SecondHand::Work, this);
            } catch (const std::system_error&) {
                failed_ = true;
            }
        }
    }
    if (failed_) {
        mine();
        theirs();
        return;
    }
    {
        std::lock_guard guard(lock_);
        job_ = &theirs;
        busy_ = true;
    }
    changed_.notify_all();
    mine();
    std::unique_lock wait(lock_);
    changed_.wait(wait, [this] { return !busy_; });
}

void SecondHand::Work() {
    std::unique_lock wait(lock_);
    for (;;) {
        changed_.wait(wait, [this] { return quit_ || job_ != nullptr; });
        if (quit_)
            return;
        const std::function<void()>* job = job_;
        job_ = nullptr;
        wait.unlock();
        (*job)();
        wait.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace quorin
