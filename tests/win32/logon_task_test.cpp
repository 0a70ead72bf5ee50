#include "platform/win32/win32_logon_task.h"

#include <windows.h>
// windows.h first: objbase.h builds on its types.
#include <objbase.h>

#include <gtest/gtest.h>

namespace vx {
namespace {

// What Wine's task service honours: the lookup and removal of the log-on task. Its principal
// cannot take the highest run level (a stub answering E_NOTIMPL), so a registration fails whole,
// with that code, and leaves no task behind; on Windows it succeeds.
TEST(Win32LogonTask, ARegistrationThatFailsLeavesNoTask) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::unique_ptr<LogonTaskPort> task = CreateWin32LogonTaskPort();
  EXPECT_FALSE(task->IsRegistered());
  EXPECT_EQ(task->Unregister(), static_cast<uint32_t>(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)));
  const uint32_t registered = task->Register(L"C:\\Games\\Vantorelliax GM\\Vantorelliax GM.exe");
  if (registered == 0) {
    EXPECT_TRUE(task->IsRegistered());
    EXPECT_EQ(task->Unregister(), 0u);
  } else {
    EXPECT_EQ(registered, static_cast<uint32_t>(E_NOTIMPL));
  }
  EXPECT_FALSE(task->IsRegistered());
  CoUninitialize();
}

}  // namespace
}  // namespace vx
