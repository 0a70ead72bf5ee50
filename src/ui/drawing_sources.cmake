# Sources of the drawing layer (paths relative to src/).
target_sources(vx_core PRIVATE)
