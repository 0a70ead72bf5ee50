# Tests of the drawing layer (paths relative to tests/).
target_sources(vx_tests PRIVATE)
