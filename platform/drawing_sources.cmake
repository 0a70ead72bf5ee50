# Image decoding, canvases and text: GDI+ and GDI on Windows, libpng on the host.
if(WIN32)
  target_sources(vx_platform PRIVATE)
else()
  target_sources(vx_platform PRIVATE)
endif()
