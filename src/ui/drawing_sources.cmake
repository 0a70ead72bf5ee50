# Sources of the drawing layer (paths relative to src/).
target_sources(vx_core PRIVATE
  ui/image_blend.cpp
  ui/skin_image.cpp
)
