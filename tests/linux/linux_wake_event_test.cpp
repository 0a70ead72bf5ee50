// The wake event on the kernel's own eventfd and poll.
#include "platform/linux/linux_wake_event.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

namespace vx {
namespace {

class KernelWakeEvent : public ::testing::Test {
 protected:
  std::unique_ptr<LinuxSystem> kernel_ = CreateLinuxSystem();
  LinuxWakeEvent wake_{*kernel_, kernel_->EventFd()};
};

TEST_F(KernelWakeEvent, StaysSetUntilReset) {
  EXPECT_FALSE(wake_.Wait(0));
  wake_.Set();
  wake_.Set();
  EXPECT_TRUE(wake_.Wait(0));
  EXPECT_TRUE(wake_.Wait(0));
  wake_.Reset();
  EXPECT_FALSE(wake_.Wait(0));
  wake_.Reset();
  EXPECT_FALSE(wake_.Wait(0));
}

TEST_F(KernelWakeEvent, ASetFromAnotherThreadEndsTheWait) {
  std::thread setter([&] { wake_.Set(); });
  EXPECT_TRUE(wake_.Wait(10000));
  setter.join();
}

// The node of a read in flight ends a wait once it has something to read, and no longer once the
// read is over.
TEST_F(KernelWakeEvent, AWatchedNodeWithDataEndsTheWait) {
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  wake_.Watch(pipe_fds[0], 8);
  EXPECT_EQ(wake_.buffer().size(), 8u);
  EXPECT_FALSE(wake_.Wait(0));
  ASSERT_EQ(write(pipe_fds[1], "r", 1), 1);
  EXPECT_TRUE(wake_.Wait(10000));
  wake_.StopWatching();
  EXPECT_FALSE(wake_.Wait(0));
  close(pipe_fds[0]);
  close(pipe_fds[1]);
}

}  // namespace
}  // namespace vx
