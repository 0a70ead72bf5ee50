# Tests of the drawing layer (paths relative to tests/).
target_sources(vx_tests PRIVATE
  ui/display_scale_test.cpp
  ui/image_blend_test.cpp
  ui/image_resample_test.cpp
  ui/scaled_skin_image_test.cpp
  ui/skin_image_test.cpp
  ui/system_image_port_test.cpp
)
if(WIN32)
  target_sources(vx_tests PRIVATE ui/gdi_drawing_test.cpp)
endif()
