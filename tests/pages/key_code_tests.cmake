# Tests of the key codes (paths relative to tests/).
target_sources(vx_tests PRIVATE
  pages/key_codes_test.cpp
  pages/key_name_tables_test.cpp
)
