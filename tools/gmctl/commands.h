#pragma once

#include <ostream>

#include "tools/gmctl/cli.h"

namespace vx::gmctl {

// Each takes the arguments after the command's name.
int RunFrame(Args args, std::ostream& out, std::ostream& err);
int RunScramble(Args args, std::ostream& out, std::ostream& err);
int RunUnscramble(Args args, std::ostream& out, std::ostream& err);
int RunHandshake(Args args, std::ostream& out, std::ostream& err);
int RunShow(Args args, std::ostream& out, std::ostream& err);
int RunMatrices(Args args, std::ostream& out, std::ostream& err);
int RunApply(Args args, std::ostream& out, std::ostream& err);
int RunFactoryConfig(Args args, std::ostream& out, std::ostream& err);
int RunProfile(Args args, std::ostream& out, std::ostream& err);
#ifndef _WIN32
int RunWatch(Args args, std::ostream& out, std::ostream& err);
#endif

}  // namespace vx::gmctl
