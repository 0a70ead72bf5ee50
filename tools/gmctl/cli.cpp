#include "tools/gmctl/cli.h"

#include <functional>
#include <map>

#include "tools/gmctl/commands.h"

namespace vx::gmctl {

namespace {

constexpr char kUsage[] =
    "usage: gmctl frame HEADER | scramble KEY TABLE BYTES | unscramble KEY TABLE BYTES | "
    "handshake [--virtual [--plain-mouse|--silent-mouse] [--event-first|--vendor-first]] | "
    "show CONFIG | matrices CONFIG | "
    "apply [--virtual] CONFIG|PROFILE [--sensor-type N] [--mouse-state FILE] [--real-time] "
    "[--fault KIND] | "
    "factory-config FILE | "
    "profile export FOLDER FILE [--name NAME] [--program EXE]... | profile import FILE FOLDER | "
    "profile show FILE"
#ifndef _WIN32
    " | watch"
#endif
    ;

}  // namespace

int UsageError(std::ostream& err, const std::string& message) {
  err << "gmctl: " << message << "\n";
  return kExitUsage;
}

int RunCommandLine(Args args, std::ostream& out, std::ostream& err) {
  using Command = std::function<int(Args, std::ostream&, std::ostream&)>;
  static const std::map<std::string, Command> kCommands = {
      {"frame", RunFrame},
      {"scramble", RunScramble},
      {"unscramble", RunUnscramble},
      {"handshake", RunHandshake},
      {"show", RunShow},
      {"matrices", RunMatrices},
      {"apply", RunApply},
      {"factory-config", RunFactoryConfig},
      {"profile", RunProfile},
#ifndef _WIN32
      {"watch", RunWatch},
#endif
  };
  if (args.empty()) return UsageError(err, kUsage);
  const auto command = kCommands.find(args[0]);
  if (command == kCommands.end()) {
    return UsageError(err, "unknown command '" + args[0] + "'; " + kUsage);
  }
  return command->second(args.subspan(1), out, err);
}

}  // namespace vx::gmctl
