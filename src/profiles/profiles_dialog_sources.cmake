# The profiles dialog (paths relative to src/).
target_sources(vx_core PRIVATE
  profiles/profiles_dialog.cpp
  profiles/profiles_dialog_files.cpp
)
