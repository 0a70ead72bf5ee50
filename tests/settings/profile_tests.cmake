# Tests of the profile store (paths relative to tests/).
target_sources(vx_tests PRIVATE
  settings/ini_engine_test.cpp
  settings/profile_store_behaviour_test.cpp
)
