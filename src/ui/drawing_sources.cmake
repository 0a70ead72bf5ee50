# Sources of the drawing layer (paths relative to src/).
target_sources(vx_core PRIVATE
  ui/display_scale.cpp
  ui/image_blend.cpp
  ui/image_resample.cpp
  ui/skin_image.cpp
)
