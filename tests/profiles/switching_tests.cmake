# Tests of the profile switching rules (paths relative to tests/).
target_sources(vx_tests PRIVATE
  common/case_fold_test.cpp
  profiles/profile_switcher_test.cpp
)
