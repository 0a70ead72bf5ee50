#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/system_hid.h"
#include "platform/system_pause.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

// Wine lists no mouse of ours: the search must end cleanly, without a message box.
TEST(Win32HidPort, FindsNoMouseOnAMachineWithoutOne) {
  std::unique_ptr<HidPort> hid = CreateSystemHidPort();
  ASSERT_TRUE(hid);
  sim::WireTrace trace;
  test::RecordingHost host(trace);
  test::RecordingMessages messages;
  test::RecordingDiagnostics diagnostics;
  std::unique_ptr<PausePort> pause = CreateSystemPause();
  LinkState link;
  DeviceImage image;
  DeviceLink device({*hid, host, messages, diagnostics, *pause}, link, image);
  EXPECT_FALSE(device.OpenDevice());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(link.feature_handle, kInvalidHidHandle);
}

TEST(Win32HidPort, WakeEventSignalsAndResets) {
  std::unique_ptr<HidPort> hid = CreateSystemHidPort();
  auto wake = hid->CreateWakeEvent();
  ASSERT_TRUE(wake);
  EXPECT_FALSE(wake->Wait(0));
  wake->Set();
  EXPECT_TRUE(wake->Wait(0));
  EXPECT_TRUE(wake->Wait(0)) << "manual reset";
  wake->Reset();
  EXPECT_FALSE(wake->Wait(10));
}

// An overlapped pipe stands in for the event collection: the event reads are plain overlapped
// reads, whatever the handle.
class Win32EventRead : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring name =
        L"\\\\.\\pipe\\vx-event-read-" + std::to_wstring(GetCurrentProcessId());
    server_ = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                               PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 1, 64, 64, 0, nullptr);
    ASSERT_NE(server_, INVALID_HANDLE_VALUE);
    client_ = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(client_, INVALID_HANDLE_VALUE);
    wake_ = hid_->CreateWakeEvent();
    ASSERT_TRUE(wake_);
  }
  void TearDown() override {
    if (client_ != INVALID_HANDLE_VALUE) CloseHandle(client_);
    if (server_ != INVALID_HANDLE_VALUE) CloseHandle(server_);
  }
  HidHandle Server() const { return reinterpret_cast<HidHandle>(server_); }
  void Send(const std::vector<uint8_t>& report) {
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(client_, report.data(), static_cast<DWORD>(report.size()), &written, nullptr));
  }

  std::unique_ptr<HidPort> hid_ = CreateSystemHidPort();
  std::shared_ptr<WakeEvent> wake_;
  HANDLE server_ = INVALID_HANDLE_VALUE;
  HANDLE client_ = INVALID_HANDLE_VALUE;
  std::array<uint8_t, 8> out_{};
};

TEST_F(Win32EventRead, AReportEndsTheReadAndWakesTheWaiter) {
  ASSERT_TRUE(hid_->BeginEventRead(Server(), 8, *wake_));
  EXPECT_EQ(hid_->PollEventRead(Server(), *wake_, out_).status, IoStatus::kPending);
  EXPECT_FALSE(wake_->Wait(0));
  Send({6, 9, 0, 3, 0, 0, 0, 0});
  EXPECT_TRUE(wake_->Wait(5000));
  const IoResult result = hid_->PollEventRead(Server(), *wake_, out_);
  EXPECT_EQ(result.status, IoStatus::kDone);
  EXPECT_EQ(result.bytes, 8u);
  EXPECT_EQ(out_[1], 9);
  EXPECT_EQ(out_[3], 3);
  EXPECT_TRUE(hid_->WaitForEventReadEnd(*wake_, 0));
  wake_->Reset();
  EXPECT_FALSE(wake_->Wait(10)) << "an ended read must not keep waking the reader";
}

TEST_F(Win32EventRead, ACancelledOrClosedUnderReadEndsWithoutItsHandle) {
  ASSERT_TRUE(hid_->BeginEventRead(Server(), 8, *wake_));
  EXPECT_FALSE(hid_->WaitForEventReadEnd(*wake_, 0));
  hid_->CancelEventRead(Server(), *wake_);
  EXPECT_TRUE(hid_->WaitForEventReadEnd(*wake_, 5000));
  wake_->Reset();
  ASSERT_TRUE(hid_->BeginEventRead(Server(), 8, *wake_));
  CloseHandle(server_);
  server_ = INVALID_HANDLE_VALUE;
  EXPECT_TRUE(hid_->WaitForEventReadEnd(*wake_, 5000));
}

TEST(Win32HidPort, TellsTheSystemErrorOfAFailedOpen) {
  std::unique_ptr<HidPort> hid = CreateSystemHidPort();
  const HidHandle handle = hid->Open(L"C:\\windows\\vx-no-such-device", OpenMode::kEventRead);
  EXPECT_EQ(handle, kInvalidHidHandle);
  EXPECT_EQ(hid->LastError(), static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace vx
