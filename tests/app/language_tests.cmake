# Tests of the language tables (paths relative to tests/).
target_sources(vx_tests PRIVATE)
