#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/text_format.h"
#include "device/macro_slots.h"
#include "platform/system_files.h"
#include "profiles/profile_format.h"
#include "profiles/profile_names.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/config_input.h"
#include "tools/gmctl/record_print.h"
#include "tools/gmctl/setup_folder.h"

namespace vx::gmctl {

namespace {

constexpr char kProfileUsage[] =
    "expected profile export FOLDER FILE [--name NAME] [--program EXE]... | "
    "profile import FILE FOLDER | profile show FILE";

struct ExportOptions {
  std::string folder;
  std::string file;
  std::optional<std::string> name;
  std::vector<std::string> programs;
};

bool ParseExport(Args args, ExportOptions& options, std::ostream& err) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--name" && has_value && !options.name) {
      options.name = args[++i];
    } else if (args[i] == "--program" && has_value) {
      options.programs.push_back(args[++i]);
    } else if (args[i].rfind("--", 0) != 0 && positional.size() < 2) {
      positional.push_back(args[i]);
    } else {
      UsageError(err, "profile export: unexpected argument '" + args[i] + "'");
      return false;
    }
  }
  if (positional.size() != 2) {
    UsageError(err, "profile export: expected FOLDER FILE");
    return false;
  }
  options.folder = positional[0];
  options.file = positional[1];
  return true;
}

// FILE's name without ".vxprofile", unless --name gives one.
std::string NameArgument(const ExportOptions& options) {
  if (options.name) return *options.name;
  std::string name = std::filesystem::path(options.file).filename().string();
  const std::string extension = ToUtf8(kProfileFileExtension);
  if (name.size() > extension.size() && name.ends_with(extension)) {
    name.resize(name.size() - extension.size());
  }
  return name;
}

// The profile's name and programs from the arguments, or nullopt after a usage line.
std::optional<ProfileFile> NamedProfile(const ExportOptions& options, std::ostream& err) {
  ProfileFile file;
  const std::string name = NameArgument(options);
  const std::optional<std::wstring> wide_name = WideArgument(name);
  const std::optional<std::string> name_fault =
      wide_name ? ProfileNameFault(*wide_name) : "is not text";
  if (name_fault) {
    UsageError(err, "profile export: the name '" + name + "' " + *name_fault);
    return std::nullopt;
  }
  file.name = *wide_name;
  for (const std::string& program : options.programs) {
    const std::optional<std::wstring> wide = WideArgument(program);
    std::optional<std::string> fault = wide ? ProgramNameFault(*wide) : "is not text";
    if (!fault && std::any_of(file.programs.begin(), file.programs.end(),
                              [&](const std::wstring& p) { return SameProgramName(p, *wide); })) {
      fault = "is given twice";
    }
    if (fault) {
      UsageError(err, "profile export: the program '" + program + "' " + *fault);
      return std::nullopt;
    }
    file.programs.push_back(*wide);
  }
  return file;
}

int RunExport(Args args, std::ostream& out, std::ostream& err) {
  ExportOptions options;
  if (!ParseExport(args, options, err)) return kExitUsage;
  std::optional<ProfileFile> file = NamedProfile(options, err);
  if (!file) return kExitUsage;
  const std::optional<std::wstring> path = WideArgument(options.file);
  if (!path)
    return UsageError(err, "profile export: the file name '" + options.file + "' is not text");
  const std::optional<Profile> setup = LoadFolderSetup(options.folder, err);
  if (!setup) return kExitBadInput;
  file->setup = *setup;
  if (const std::optional<std::string> fault = ProfileWriteFault(*file)) {
    err << "gmctl: " << options.folder << ": its setup cannot be a profile: " << *fault << "\n";
    return kExitBadInput;
  }
  const std::string text = WriteProfileFile(*file);
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  if (const uint32_t error = CreateSystemFilePort()->ReplaceAll(*path, bytes); error != 0) {
    err << "gmctl: " << options.file << ": cannot be written (error " << error << ")\n";
    return kExitBadInput;
  }
  out << "wrote " << text.size() << " bytes\n";
  return kExitOk;
}

int RunImport(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return UsageError(err, "profile import: expected FILE FOLDER");
  const std::optional<ProfileFile> file = ReadProfileArgument(args[0], err);
  if (!file) return kExitBadInput;
  if (!SaveFolderSetup(args[1], file->setup, err)) return kExitBadInput;
  out << "imported " << ToUtf8(file->name) << "\n";
  return kExitOk;
}

void PrintProfile(std::ostream& out, const ProfileFile& file) {
  out << "Name " << ToUtf8(file.name) << "\n";
  for (const std::wstring& program : file.programs) out << "Program " << ToUtf8(program) << "\n";
  SettingsRecord record = file.setup.record;
  PrintRecordFields(out, record);
  for (const RecordField& field : RecordFields()) {
    const std::span<const uint8_t> bytes = field.bytes(record);
    if (!field.reserved ||
        std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; })) {
      continue;
    }
    out << ToUtf8(field.key);
    for (const uint8_t byte : bytes) out << " " << int(byte);
    out << "\n";
  }
  for (size_t index = 0; index < file.setup.macros.size(); ++index) {
    const std::string prefix = ToUtf8(MacroSection(index)) + ".";
    const Macro& macro = file.setup.macros[index];
    out << prefix << "Name " << ToUtf8(macro.name) << "\n";
    out << prefix << "Repeat " << RepeatCount(MacroOf(record, index + 1)) << "\n";
    for (const std::wstring& item : macro.items) out << prefix << "Item " << ToUtf8(item) << "\n";
  }
  for (size_t language = 0; language < kLanguageCount; ++language) {
    for (size_t index = 0; index < kKeyTextCount; ++index) {
      const std::wstring& text = file.setup.key_texts[language][index];
      if (text.empty()) continue;
      out << ToUtf8(KeyTextsSection(language) + L"." + KeyTextKey(index)) << " " << ToUtf8(text)
          << "\n";
    }
  }
}

int RunShowProfile(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "profile show: expected FILE");
  const std::optional<ProfileFile> file = ReadProfileArgument(args[0], err);
  if (!file) return kExitBadInput;
  PrintProfile(out, *file);
  return kExitOk;
}

}  // namespace

int RunProfile(Args args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, kProfileUsage);
  const Args rest = args.subspan(1);
  if (args[0] == "export") return RunExport(rest, out, err);
  if (args[0] == "import") return RunImport(rest, out, err);
  if (args[0] == "show") return RunShowProfile(rest, out, err);
  return UsageError(err, "unknown profile command '" + args[0] + "'; " + kProfileUsage);
}

}  // namespace vx::gmctl
