#pragma once

#include <string>

#include "settings/profile.h"

namespace vx {

// What the profiles dialog needs from the program that holds the setup.
class ProfilesDialogHost {
 public:
  virtual ~ProfilesDialogHost() = default;
  // The setup the program holds now; "New" copies it.
  virtual const Profile& CurrentSetup() = 0;
  // The profile the program's files hold now.
  virtual std::wstring ActiveProfile() = 0;
  // After any change to the library (added, removed, programs edited); from/to non-empty
  // when a profile was renamed, so the program can follow its active and chosen names.
  virtual void ProfilesChanged(const std::wstring& renamed_from,
                               const std::wstring& renamed_to) = 0;
  // Make the profile active: it is loaded and sent to the mouse (after an import).
  virtual void UseProfile(const std::wstring& name) = 0;
};

}  // namespace vx
