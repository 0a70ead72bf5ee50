# Tests of the profiles dialog (paths relative to tests/).
target_sources(vx_tests PRIVATE
  profiles/profiles_dialog_files_test.cpp
  profiles/profiles_dialog_test.cpp
)
