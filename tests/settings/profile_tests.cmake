# Tests of the profile store (paths relative to tests/).
target_sources(vx_tests PRIVATE)
