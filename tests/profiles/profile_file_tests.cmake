# Tests of the profile file (paths relative to tests/).
target_sources(vx_tests PRIVATE
  profiles/profile_file_read_test.cpp
  profiles/profile_file_refusal_test.cpp
  profiles/profile_file_write_test.cpp
  profiles/profile_library_test.cpp
  tools/gmctl_profile_test.cpp
)
