#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vx {

// The most any profile file (str.ini, record.ini) or the virtual mouse's memory file is read
// with: far beyond what the program writes, far below what would exhaust memory.
inline constexpr uint64_t kMaxProfileFileBytes = 16u << 20;

// What reading a whole file found. Only a regular file is read, and only after its size is
// known to be within the caller's limit: a pipe, a device or a folder is never read from.
struct FileRead {
  enum class Outcome {
    kRead,        // bytes holds the file
    kMissing,     // there is nothing of that name
    kUnreadable,  // it cannot be opened or read
    kNotAFile,    // a folder, pipe, device or anything else but a regular file
    kTooLarge,    // a regular file larger than the limit; size says how large
  };
  Outcome outcome = Outcome::kMissing;
  std::vector<uint8_t> bytes;
  uint64_t size = 0;   // the regular file's size (kRead, kTooLarge)
  uint32_t error = 0;  // the system's error code, when there is one
};

// A temporary file made for an atomic save: its path, or the system's error code.
struct TemporaryFile {
  std::wstring path;
  uint32_t error = 0;
};

// Whole-file access by the program's wide paths.
class FilePort {
 public:
  virtual ~FilePort() = default;

  virtual bool Exists(const std::wstring& path) = 0;

  // The file's bytes when it is a regular file of at most max_bytes (see FileRead).
  virtual FileRead Read(const std::wstring& path, uint64_t max_bytes) = 0;

  // Creates a file under a fresh name beside the target (in its folder), exclusively: never an
  // existing file, folder or link, holding the bytes. Nothing is created on failure.
  virtual TemporaryFile CreateTemporary(const std::wstring& target,
                                        std::span<const uint8_t> bytes) = 0;

  // Flushes the temporary file to the disk, gives it the target's permissions and puts it in
  // the target's place in one step (flushing the folder where the system needs that), so the
  // target is either the old file or the new one, never a mix. Returns 0 on success, otherwise
  // the system's error code; the temporary file is then removed and the old file untouched.
  virtual uint32_t PutInPlace(const std::wstring& temporary, const std::wstring& target) = 0;

  // Removes a temporary file that is not to be put in place.
  virtual void Remove(const std::wstring& path) = 0;

  // Gives a file or folder a new name in the same folder, never taking the name of one that is
  // there. Returns 0 or the system's error code.
  virtual uint32_t Rename(const std::wstring& from, const std::wstring& to) = 0;

  // Creates a new file with the given bytes; fails (false) when it already exists.
  virtual bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) = 0;

  // The names of the folders in a folder ("." and ".." left out), in the order the system
  // lists them; none for a missing folder.
  virtual std::vector<std::wstring> ListFolders(const std::wstring& path) = 0;
  // The names of the regular files in a folder, in the order the system lists them.
  virtual std::vector<std::wstring> ListFiles(const std::wstring& path) = 0;
  // Creates a folder; 0 when it was made or is there already, otherwise the system's error.
  virtual uint32_t CreateFolder(const std::wstring& path) = 0;

  // The bytes of a regular file of at most max_bytes; nullopt for anything else.
  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path, uint64_t max_bytes) {
    FileRead read = Read(path, max_bytes);
    if (read.outcome != FileRead::Outcome::kRead) return std::nullopt;
    return std::move(read.bytes);
  }

  // Writes the bytes to a temporary file beside the target and puts it in the target's place in
  // one step, so the target is either the old file or the new one, never a mix. Returns 0 on
  // success, otherwise the system's error code; the old file is then untouched.
  uint32_t ReplaceAll(const std::wstring& path, std::span<const uint8_t> bytes) {
    const TemporaryFile temporary = CreateTemporary(path, bytes);
    if (temporary.error != 0) return temporary.error;
    return PutInPlace(temporary.path, path);
  }
};

}  // namespace vx
