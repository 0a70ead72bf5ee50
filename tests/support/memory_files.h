#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/file_port.h"

namespace vx::test {

// Files in memory, with the failures a disk can have.
class MemoryFiles : public FilePort {
 public:
  bool Exists(const std::wstring& path) override {
    return files.count(path) != 0 || not_files.count(path) != 0 || folders.count(path) != 0 ||
           made_folders.count(path) != 0;
  }

  FileRead Read(const std::wstring& path, uint64_t max_bytes) override {
    FileRead read;
    ++reads;
    last_read_limit = max_bytes;
    if (not_files.count(path)) {
      read.outcome = FileRead::Outcome::kNotAFile;
      read.error = 22;
      return read;
    }
    const auto found = files.find(path);
    if (found == files.end()) {
      read.error = 2;
      return read;
    }
    if (read_fails) {
      read.outcome = FileRead::Outcome::kUnreadable;
      read.error = 5;
      return read;
    }
    read.size = found->second.size();
    if (read.size > max_bytes) {
      read.outcome = FileRead::Outcome::kTooLarge;
      read.error = 27;
      return read;
    }
    read.outcome = FileRead::Outcome::kRead;
    read.bytes = found->second;
    return read;
  }

  TemporaryFile CreateTemporary(const std::wstring& target,
                                std::span<const uint8_t> bytes) override {
    if (create_error != 0) return {L"", create_error};
    std::wstring name;
    do {
      name = target + L"." + std::to_wstring(++temporaries_made) + L".tmp";
    } while (files.count(name) != 0);
    files[name].assign(bytes.begin(), bytes.end());
    return {name, 0};
  }

  uint32_t PutInPlace(const std::wstring& temporary, const std::wstring& target) override {
    const auto found = files.find(temporary);
    if (found == files.end()) return 2;
    const bool fails = replace_error != 0 || (replacements_before_failure >= 0 &&
                                              replacements >= replacements_before_failure);
    if (fails) {
      files.erase(found);
      return replace_error != 0 ? replace_error : 28;  // no space left on the device
    }
    files[target] = std::move(found->second);
    files.erase(temporary);
    ++replacements;
    put_in_place.push_back(target);
    return 0;
  }

  void Remove(const std::wstring& path) override { files.erase(path); }

  uint32_t Rename(const std::wstring& from, const std::wstring& to) override {
    if (rename_error != 0) return rename_error;
    if (Exists(to)) return 17;  // EEXIST
    if (const auto found = files.find(from); found != files.end()) {
      files[to] = std::move(found->second);
      files.erase(found);
    } else if (not_files.erase(from) != 0) {
      not_files.insert(to);
    } else {
      return 2;
    }
    return 0;
  }

  bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) override {
    if (Exists(path)) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }

  // The files directly in a folder, by their names after "folder/" or "folder\\".
  std::vector<std::wstring> ListFiles(const std::wstring& path) override {
    std::vector<std::wstring> names;
    for (const auto& [name, bytes] : files) {
      if (name.size() <= path.size() + 1 || name.compare(0, path.size(), path) != 0) continue;
      const wchar_t separator = name[path.size()];
      const std::wstring rest = name.substr(path.size() + 1);
      if ((separator == L'/' || separator == L'\\') &&
          rest.find_first_of(L"/\\") == std::wstring::npos) {
        names.push_back(rest);
      }
    }
    return names;
  }

  uint32_t CreateFolder(const std::wstring& path) override {
    if (create_error != 0) return create_error;
    made_folders.insert(path);
    return 0;
  }

  std::vector<std::wstring> ListFolders(const std::wstring& path) override {
    const auto found = folders.find(path);
    return found == folders.end() ? std::vector<std::wstring>{} : found->second;
  }

  std::map<std::wstring, std::vector<uint8_t>> files;
  // The folders in a folder, in listing order.
  std::map<std::wstring, std::vector<std::wstring>> folders;
  // Names that are there but are no regular file (a folder, a pipe, a device).
  std::set<std::wstring> not_files;
  std::set<std::wstring> made_folders;
  bool read_fails = false;
  uint32_t create_error = 0;   // every temporary file fails to be made (a read-only folder)
  uint32_t replace_error = 0;  // every temporary file fails to take its target's place
  uint32_t rename_error = 0;   // every rename fails
  // When not negative, the replacements after this many fail as on a full disk.
  int replacements_before_failure = -1;
  int temporaries_made = 0;
  int replacements = 0;
  std::vector<std::wstring> put_in_place;  // the targets replaced, in order
  int reads = 0;
  uint64_t last_read_limit = 0;
};

}  // namespace vx::test
