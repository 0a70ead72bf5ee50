#include "tools/gmctl/interrupt_wait.h"

#include <pthread.h>

namespace vx::gmctl {

InterruptWait::InterruptWait() {
  sigemptyset(&signals_);
  sigaddset(&signals_, SIGINT);
  sigaddset(&signals_, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals_, &before_);
}

InterruptWait::~InterruptWait() {
  pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void InterruptWait::Wait() {
  int signal = 0;
  sigwait(&signals_, &signal);
}

}  // namespace vx::gmctl
