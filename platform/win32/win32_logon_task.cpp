// The log-on task through the Task Scheduler's COM interface (ITaskService).
#include "platform/win32/win32_logon_task.h"

#include <windows.h>
// windows.h first: the COM headers build on its types.
#include <oleauto.h>
#include <taskschd.h>

namespace vx {

namespace {

constexpr wchar_t kTaskName[] = L"Vantorelliax GM";

// Releases a COM interface however the function that holds it returns.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_ != nullptr) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  explicit Bstr(const wchar_t* text) : value_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return value_; }

 private:
  BSTR value_;
};

uint32_t Code(HRESULT result) {
  return static_cast<uint32_t>(result);
}

// The task service of this computer, connected as the current user.
HRESULT ConnectedRootFolder(ComPtr<ITaskService>& service, ComPtr<ITaskFolder>& folder) {
  HRESULT result = CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ITaskService, reinterpret_cast<void**>(service.out()));
  if (FAILED(result)) return result;
  const VARIANT none{};
  result = service->Connect(none, none, none, none);
  if (FAILED(result)) return result;
  const Bstr root(L"\\");
  return service->GetFolder(root, folder.out());
}

HRESULT DescribeTask(ITaskDefinition* task, const std::wstring& program_path) {
  ComPtr<IPrincipal> principal;
  HRESULT result = task->get_Principal(principal.out());
  if (SUCCEEDED(result)) result = principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST);
  if (SUCCEEDED(result)) result = principal->put_LogonType(TASK_LOGON_INTERACTIVE_TOKEN);
  ComPtr<ITriggerCollection> triggers;
  if (SUCCEEDED(result)) result = task->get_Triggers(triggers.out());
  ComPtr<ITrigger> trigger;
  if (SUCCEEDED(result)) result = triggers->Create(TASK_TRIGGER_LOGON, trigger.out());
  ComPtr<IActionCollection> actions;
  if (SUCCEEDED(result)) result = task->get_Actions(actions.out());
  ComPtr<IAction> action;
  if (SUCCEEDED(result)) result = actions->Create(TASK_ACTION_EXEC, action.out());
  ComPtr<IExecAction> exec;
  if (SUCCEEDED(result)) {
    result = action->QueryInterface(IID_IExecAction, reinterpret_cast<void**>(exec.out()));
  }
  const Bstr path(program_path.c_str());
  if (SUCCEEDED(result)) result = exec->put_Path(path);
  // A tray program runs as long as the session: no time limit, batteries or not.
  ComPtr<ITaskSettings> settings;
  if (SUCCEEDED(result)) result = task->get_Settings(settings.out());
  const Bstr unlimited(L"PT0S");
  if (SUCCEEDED(result)) result = settings->put_ExecutionTimeLimit(unlimited);
  if (SUCCEEDED(result)) result = settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE);
  if (SUCCEEDED(result)) result = settings->put_StopIfGoingOnBatteries(VARIANT_FALSE);
  return result;
}

class Win32LogonTaskPort : public LogonTaskPort {
 public:
  bool IsRegistered() override {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> folder;
    if (FAILED(ConnectedRootFolder(service, folder))) return false;
    ComPtr<IRegisteredTask> task;
    const Bstr name(kTaskName);
    return SUCCEEDED(folder->GetTask(name, task.out()));
  }

  uint32_t Register(const std::wstring& program_path) override {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> folder;
    HRESULT result = ConnectedRootFolder(service, folder);
    ComPtr<ITaskDefinition> task;
    if (SUCCEEDED(result)) result = service->NewTask(0, task.out());
    if (SUCCEEDED(result)) result = DescribeTask(task.get(), program_path);
    const Bstr name(kTaskName);
    const VARIANT none{};
    ComPtr<IRegisteredTask> registered;
    if (SUCCEEDED(result)) {
      result = folder->RegisterTaskDefinition(name, task.get(), TASK_CREATE_OR_UPDATE, none, none,
                                              TASK_LOGON_INTERACTIVE_TOKEN, none,
                                              registered.out());
    }
    return SUCCEEDED(result) ? 0 : Code(result);
  }

  uint32_t Unregister() override {
    ComPtr<ITaskService> service;
    ComPtr<ITaskFolder> folder;
    HRESULT result = ConnectedRootFolder(service, folder);
    const Bstr name(kTaskName);
    if (SUCCEEDED(result)) result = folder->DeleteTask(name, 0);
    return SUCCEEDED(result) ? 0 : Code(result);
  }
};

}  // namespace

std::unique_ptr<LogonTaskPort> CreateWin32LogonTaskPort() {
  return std::make_unique<Win32LogonTaskPort>();
}

}  // namespace vx
