# Tests of the profile switching rules and their system ports (paths relative to tests/).
target_sources(vx_tests PRIVATE
  common/case_fold_test.cpp
  common/system_clock_test.cpp
  profiles/profile_switcher_test.cpp
)
if(WIN32)
  target_sources(vx_tests PRIVATE win32/foreground_port_test.cpp)
endif()
