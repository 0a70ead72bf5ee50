# Sources of the INI engine (paths relative to src/).
target_sources(vx_core PRIVATE)
