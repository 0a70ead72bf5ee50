// Messages between threads, as the system queues them for a window's thread: a send from another
// thread waits until the window's thread has handled it, a post only waits in the queue.

#include <algorithm>

#include "platform/headless/headless_window_system.h"

namespace vx::headless {

void HeadlessWindowSystem::SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                        intptr_t lparam) {
  if (std::this_thread::get_id() == owner_thread_) {
    Dispatch(Message{window, id, wparam, lparam, cursor});
    return;
  }
  std::unique_lock<std::mutex> lock(queue_mutex_);
  if (receiving_.count(window) == 0) return;
  bool handled = false;
  queue_.push_back({Message{window, id, wparam, lparam, {}}, false, &handled});
  queue_changed_.notify_all();
  queue_changed_.wait(lock, [&] { return handled; });
}

void HeadlessWindowSystem::PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                        intptr_t lparam) {
  std::lock_guard<std::mutex> lock(queue_mutex_);
  queue_.push_back({Message{window, id, wparam, lparam, {}}, true});
  queue_changed_.notify_all();
}

void HeadlessWindowSystem::Handled(const Queued& queued) {
  if (queued.handled == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(queue_mutex_);
    *queued.handled = true;
  }
  queue_changed_.notify_all();
}

size_t HeadlessWindowSystem::PumpSent() {
  size_t handled = 0;
  for (;;) {
    std::deque<Queued> pending;
    {
      std::lock_guard<std::mutex> lock(queue_mutex_);
      pending.swap(queue_);
    }
    if (pending.empty()) return handled;
    for (const Queued& queued : pending) {
      Dialog* dialog = queued.posted ? DialogOf(queued.message.window) : nullptr;
      if (dialog == nullptr || !PreTranslates(*dialog, queued.message)) Dispatch(queued.message);
      Handled(queued);
    }
    handled += pending.size();
  }
}

bool HeadlessWindowSystem::PumpUntil(const std::function<bool()>& done,
                                     std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpSent();
    if (done()) return true;
    std::unique_lock<std::mutex> lock(queue_mutex_);
    if (!queue_changed_.wait_until(lock, deadline, [&] { return !queue_.empty(); })) {
      return done();
    }
  }
}

bool HeadlessWindowSystem::WaitForBlockedSender(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(queue_mutex_);
  return queue_changed_.wait_for(lock, timeout, [&] {
    return std::any_of(queue_.begin(), queue_.end(),
                       [](const Queued& queued) { return queued.handled != nullptr; });
  });
}

void HeadlessWindowSystem::TakeMessagesFor(WindowHandle window) {
  std::lock_guard<std::mutex> lock(queue_mutex_);
  receiving_.insert(window);
}

// The messages still queued for the windows are never handled: their senders go on at once.
void HeadlessWindowSystem::DropMessagesFor(const std::vector<WindowHandle>& windows) {
  {
    std::lock_guard<std::mutex> lock(queue_mutex_);
    const auto gone = [&](const Queued& queued) {
      return std::find(windows.begin(), windows.end(), queued.message.window) != windows.end();
    };
    for (const Queued& queued : queue_) {
      if (gone(queued) && queued.handled != nullptr) *queued.handled = true;
    }
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(), gone), queue_.end());
    for (WindowHandle window : windows) receiving_.erase(window);
  }
  queue_changed_.notify_all();
}

}  // namespace vx::headless
