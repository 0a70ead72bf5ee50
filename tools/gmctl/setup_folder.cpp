#include "tools/gmctl/setup_folder.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "platform/system_profile.h"
#include "settings/ini_encoding.h"
#include "setup/setup_files.h"
#include "tools/gmctl/console_ports.h"

namespace vx::gmctl {

namespace {

// Windows' ERROR_WRITE_PROTECT.
constexpr uint32_t kWriteProtected = 19;

// Reads through to the system's files and changes none: a damaged config.bin stays where it is.
class ReadOnlyFiles : public FilePort {
 public:
  explicit ReadOnlyFiles(FilePort& files) : files_(files) {}
  bool Exists(const std::wstring& path) override { return files_.Exists(path); }
  FileRead Read(const std::wstring& path, uint64_t max_bytes) override {
    return files_.Read(path, max_bytes);
  }
  TemporaryFile CreateTemporary(const std::wstring&, std::span<const uint8_t>) override {
    return {L"", kWriteProtected};
  }
  uint32_t PutInPlace(const std::wstring&, const std::wstring&) override { return kWriteProtected; }
  void Remove(const std::wstring&) override {}
  uint32_t Rename(const std::wstring&, const std::wstring&) override { return kWriteProtected; }
  bool CreateNew(const std::wstring&, std::span<const uint8_t>) override { return false; }
  std::vector<std::wstring> ListFolders(const std::wstring& path) override {
    return files_.ListFolders(path);
  }
  std::vector<std::wstring> ListFiles(const std::wstring& path) override {
    return files_.ListFiles(path);
  }
  uint32_t CreateFolder(const std::wstring&) override { return kWriteProtected; }

 private:
  FilePort& files_;
};

class QuietMessages : public MessagePort {
 public:
  void ShowMessage(const std::wstring&) override {}
  void ShowMessage(const std::wstring&, const std::wstring&) override {}
};

DataPaths FolderPaths(const std::wstring& folder) {
  const std::wstring base =
      folder + static_cast<wchar_t>(std::filesystem::path::preferred_separator);
  return {base + L"config.bin", base + L"record.ini", base + L"str.ini", base + L"Profiles"};
}

// The folder's wide path, or nothing after the line saying it is no folder.
std::optional<std::wstring> FolderArgument(const std::string& folder, std::ostream& err) {
  std::error_code error;
  const std::optional<std::wstring> wide = WideArgument(folder);
  if (!wide || !std::filesystem::is_directory(std::filesystem::path(folder), error)) {
    err << "gmctl: " << folder << ": no such folder\n";
    return std::nullopt;
  }
  return wide;
}

}  // namespace

std::optional<std::wstring> WideArgument(const std::string& argument) {
#ifdef _WIN32
  return std::filesystem::path(argument).wstring();
#else
  return DecodeUtf8Strictly(
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(argument.data()), argument.size()));
#endif
}

std::optional<Profile> LoadFolderSetup(const std::string& folder, std::ostream& err) {
  const std::optional<std::wstring> wide = FolderArgument(folder, err);
  if (!wide) return std::nullopt;
  const std::unique_ptr<FilePort> system_files = CreateSystemFilePort();
  ReadOnlyFiles files(*system_files);
  const std::unique_ptr<ProfileStore> profile = CreateSystemProfileStore(files);
  QuietMessages messages;
  FailedSaves failed_saves([](const std::vector<FailedSave>&) {});
  DiscardDiagnostics diagnostics;
  SetupFiles setup(files, *profile, messages, failed_saves, diagnostics, FolderPaths(*wide));
  SettingsStore store;
  switch (setup.Load(store).outcome) {
    case ConfigLoad::Outcome::kLoaded:
      return store.current;
    case ConfigLoad::Outcome::kMissing:
      err << "gmctl: " << folder << ": no config.bin\n";
      return std::nullopt;
    case ConfigLoad::Outcome::kDamaged:
      err << "gmctl: " << folder << ": config.bin is damaged\n";
      return std::nullopt;
  }
  return std::nullopt;
}

bool SaveFolderSetup(const std::string& folder, const Profile& setup, std::ostream& err) {
  const std::optional<std::wstring> wide = FolderArgument(folder, err);
  if (!wide) return false;
  const std::unique_ptr<FilePort> files = CreateSystemFilePort();
  const std::unique_ptr<ProfileStore> profile = CreateSystemProfileStore(*files);
  QuietMessages messages;
  std::vector<FailedSave> failed;
  FailedSaves failed_saves([&failed](const std::vector<FailedSave>& saves) {
    failed.insert(failed.end(), saves.begin(), saves.end());
  });
  DiscardDiagnostics diagnostics;
  SetupFiles files_of_folder(*files, *profile, messages, failed_saves, diagnostics,
                             FolderPaths(*wide));
  SettingsStore store;
  store.current = setup;
  files_of_folder.SaveWhole(store);
  if (failed.empty()) return true;
  err << "gmctl: " << folder << ": not saved:";
  for (const FailedSave& save : failed) {
    const size_t name = save.path.find_last_of(L"/\\");
    err << " " << ToUtf8(save.path.substr(name == std::wstring::npos ? 0 : name + 1)) << " (error "
        << save.error << ")";
  }
  err << "\n";
  return false;
}

}  // namespace vx::gmctl
