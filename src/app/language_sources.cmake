# Sources of the language tables (paths relative to src/).
target_sources(vx_core PRIVATE)
