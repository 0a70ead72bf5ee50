#include <fstream>
#include <string>

#include "common/text_format.h"
#include "device/device_image.h"
#include "device/key_codes.h"
#include "settings/factory_settings.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/config_input.h"
#include "tools/gmctl/record_print.h"

namespace vx::gmctl {

namespace {

void PrintConfig(std::ostream& out, const SettingsStore& store) {
  out << "FirstRunFlag " << int(store.first_run_flag) << "\n";
  PrintRecordFields(out, store.current.record);
}

}  // namespace

int RunShow(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected show CONFIG");
  const auto store = ReadConfigArgument(args[0], err);
  if (!store) return kExitBadInput;
  PrintConfig(out, *store);
  return kExitOk;
}

int RunMatrices(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected matrices CONFIG");
  const auto store = ReadConfigArgument(args[0], err);
  if (!store) return kExitBadInput;
  DeviceImage image;
  BuildKeyMatrices(store->current.record, image);
  for (size_t matrix = 0; matrix < image.key_matrices.size(); ++matrix) {
    out << "matrix " << matrix + 1 << ":";
    for (uint32_t code : image.key_matrices[matrix]) out << Format(" %08x", unsigned(code));
    out << "\n";
  }
  return kExitOk;
}

int RunFactoryConfig(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected factory-config FILE");
  const auto bytes = FactoryConfigFile();
  std::ofstream file(args[0], std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    err << "gmctl: " << args[0] << ": cannot be written\n";
    return kExitBadInput;
  }
  out << "wrote " << bytes.size() << " bytes\n";
  return kExitOk;
}

}  // namespace vx::gmctl
