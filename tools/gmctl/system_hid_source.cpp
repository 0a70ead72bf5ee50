#include "tools/gmctl/system_hid_source.h"

#include "platform/system_hid.h"

namespace vx::gmctl {

namespace {

HidPortFactory& Factory() {
  static HidPortFactory factory;
  return factory;
}

}  // namespace

std::unique_ptr<HidPort> OpenSystemHid() {
  return Factory() ? Factory()() : CreateSystemHidPort();
}

void UseHidPortFactory(HidPortFactory factory) {
  Factory() = std::move(factory);
}

}  // namespace vx::gmctl
