// A second thread for work that splits in two: the caller does one half while the thread
// does the other. The thread starts at the first use and waits between uses, so handing it
// work costs a wake-up, not a thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace quorin {

class SecondHand {
  public:
    SecondHand() = default;
    SecondHand(const SecondHand&) = delete;
    SecondHand& operator=(const SecondHand&) = delete;
    ~SecondHand();

    // Runs `theirs` on the second thread and `mine` on the caller's, and returns once both
    // are done. Without a second processor, or a thread to be had, both run here in turn.
    void Share(const std::function<void()>& mine, const std::function<void()>& theirs);

  private:
    void Work();

    std::mutex lock_;
    std::condition_variable changed_;
    const std::function<void()>* job_ = nullptr;  // waiting for the thread, or being done
    bool busy_ = false;
    bool quit_ = false;
    bool failed_ = false;  // no thread could be started: everything runs on the caller's
    std::thread thread_;
};

}  // namespace quorin
