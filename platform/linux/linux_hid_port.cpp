#include "platform/linux/linux_hid_port.h"

#include <fcntl.h>

#include <cerrno>

#include "common/text_format.h"
#include "platform/linux/hidraw_sysfs.h"

namespace vx {

namespace {

// "/dev/hidraw3#1": the node and the index of the collection in its descriptor.
std::optional<std::pair<std::string, size_t>> SplitInterfacePath(const std::wstring& path,
                                                                 const std::string& devices) {
  const std::string text = ToUtf8(path);
  const std::string prefix = devices + "/";
  const size_t mark = text.rfind('#');
  if (text.rfind(prefix, 0) != 0 || mark == std::string::npos || mark + 1 == text.size()) {
    return std::nullopt;
  }
  const std::string index = text.substr(mark + 1);
  if (index.find_first_not_of("0123456789") != std::string::npos || index.size() > 4) {
    return std::nullopt;
  }
  return std::make_pair(text.substr(prefix.size(), mark - prefix.size()),
                        static_cast<size_t>(std::stoul(index)));
}

}  // namespace

thread_local uint32_t LinuxHidPort::last_error_ = 0;

LinuxHidPort::LinuxHidPort(LinuxSystem& system, HidrawFolders folders,
                           std::function<void(const std::string&)> refused_access)
    : system_(system), folders_(std::move(folders)), refused_access_(std::move(refused_access)) {}

uint32_t LinuxHidPort::LastError() {
  return last_error_;
}

IoResult LinuxHidPort::Failed() {
  last_error_ = static_cast<uint32_t>(errno);
  return {IoStatus::kFailed, 0};
}

std::optional<InterfaceSet> LinuxHidPort::OpenInterfaceSet() {
  const auto nodes = ListHidrawNodes(system_, folders_.hidraw_class);
  if (!nodes) {
    last_error_ = static_cast<uint32_t>(errno);
    return std::nullopt;
  }
  std::vector<Interface> interfaces;
  for (const std::string& node : *nodes) {
    // A node whose descriptor cannot be read still counts once; its probe then fails.
    const auto descriptor = ReadNodeDescriptor(system_, folders_.hidraw_class, node);
    const size_t count = descriptor ? descriptor->collections.size() : 1;
    for (size_t collection = 0; collection < count; ++collection) {
      interfaces.push_back({node, collection});
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  sets_[next_set_] = std::move(interfaces);
  return next_set_++;
}

EnumStatus LinuxHidPort::EnumInterface(InterfaceSet set, uint32_t index) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sets_.find(set);
  if (found == sets_.end()) return EnumStatus::kOtherError;
  return index < found->second.size() ? EnumStatus::kOk : EnumStatus::kNoMoreItems;
}

std::optional<std::wstring> LinuxHidPort::InterfacePath(InterfaceSet set, uint32_t index) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sets_.find(set);
  if (found == sets_.end() || index >= found->second.size()) {
    last_error_ = EINVAL;
    return std::nullopt;
  }
  const Interface& interface = found->second[index];
  return Widen(folders_.devices + "/" + interface.node + "#" +
               std::to_string(interface.collection));
}

void LinuxHidPort::CloseInterfaceSet(InterfaceSet set) {
  std::lock_guard<std::mutex> lock(mutex_);
  sets_.erase(set);
}

// Read afresh at every opening: the node may have gone, or stand for another device by now.
std::optional<LinuxHidPort::OpenCollection> LinuxHidPort::Describe(const Interface& interface) {
  const auto identity = ReadNodeIdentity(system_, folders_.hidraw_class, interface.node);
  if (!identity) return std::nullopt;
  const auto descriptor = ReadNodeDescriptor(system_, folders_.hidraw_class, interface.node);
  if (!descriptor) return std::nullopt;
  if (interface.collection >= descriptor->collections.size()) {
    errno = ENOENT;
    return std::nullopt;
  }
  OpenCollection open;
  open.node = interface.node;
  open.name = identity->name;
  open.attributes = identity->attributes;
  open.collection = descriptor->collections[interface.collection];
  open.numbered = descriptor->numbered;
  return open;
}

int LinuxHidPort::OpenNode(const std::string& node, const std::string& name, OpenMode mode) {
  const std::string path = folders_.devices + "/" + node;
  // Non-blocking: every read follows a bounded poll, and one that finds nothing after all (the
  // poll cut short by a signal) must come back instead of waiting without bound.
  const int access = mode == OpenMode::kFeature ? O_RDWR : O_RDONLY;
  const int fd = system_.Open(path, access | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == EACCES && refused_access_) {
    const int error = errno;
    refused_access_(path + " (" + name + "): permission denied; install the udev rule " +
                    "70-vantorelliax.rules in /etc/udev/rules.d and plug the mouse in again");
    errno = error;
  }
  return fd;
}

HidHandle LinuxHidPort::Open(const std::wstring& path, OpenMode mode) {
  const auto split = SplitInterfacePath(path, folders_.devices);
  if (!split) {
    last_error_ = ENOENT;
    return kInvalidHidHandle;
  }
  std::optional<OpenCollection> open = Describe({split->first, split->second});
  if (!open) {
    last_error_ = static_cast<uint32_t>(errno);
    return kInvalidHidHandle;
  }
  if (mode != OpenMode::kProbe) {
    open->fd = OpenNode(open->node, open->name, mode);
    if (open->fd < 0) {
      last_error_ = static_cast<uint32_t>(errno);
      return kInvalidHidHandle;
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  handles_[next_handle_] = std::move(*open);
  return next_handle_++;
}

void LinuxHidPort::Close(HidHandle handle) {
  int fd = -1;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = handles_.find(handle);
    if (found == handles_.end()) return;
    fd = found->second.fd;
    handles_.erase(found);
  }
  if (fd >= 0) system_.Close(fd);
}

std::optional<LinuxHidPort::OpenCollection> LinuxHidPort::Find(HidHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = handles_.find(handle);
  if (found == handles_.end()) {
    last_error_ = EBADF;
    return std::nullopt;
  }
  return found->second;
}

std::optional<HidAttributes> LinuxHidPort::GetAttributes(HidHandle handle) {
  const auto open = Find(handle);
  if (!open) return std::nullopt;
  return open->attributes;
}

std::optional<PreparsedData> LinuxHidPort::GetPreparsedData(HidHandle handle) {
  const auto open = Find(handle);
  if (!open) return std::nullopt;
  std::lock_guard<std::mutex> lock(mutex_);
  preparsed_[next_preparsed_] = open->collection.caps;
  return next_preparsed_++;
}

uint32_t LinuxHidPort::GetCaps(PreparsedData data, HidCaps& caps) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = preparsed_.find(data);
  if (found == preparsed_.end()) {
    caps = {};
    return kHidpStatusInvalidPreparsedData;
  }
  caps = found->second;
  return kHidpStatusSuccess;
}

void LinuxHidPort::FreePreparsedData(PreparsedData data) {
  std::lock_guard<std::mutex> lock(mutex_);
  preparsed_.erase(data);
}

bool LinuxHidPort::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  const auto open = Find(handle);
  if (!open) return false;
  if (system_.SetFeature(open->fd, report) >= 0) return true;
  Failed();
  return false;
}

bool LinuxHidPort::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  const auto open = Find(handle);
  if (!open) return false;
  if (system_.GetFeature(open->fd, report) >= 0) return true;
  Failed();
  return false;
}

}  // namespace vx
