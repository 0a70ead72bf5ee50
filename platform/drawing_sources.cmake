# Image decoding, canvases and text: GDI+ and GDI on Windows, libpng on the host.
if(WIN32)
  target_sources(vx_platform PRIVATE
    win32/dib_canvas.cpp
    win32/gdi_font.cpp
    win32/gdi_text_port.cpp
    win32/gdiplus_image_port.cpp
    win32/gdiplus_session.cpp
  )
  target_link_libraries(vx_platform PUBLIC gdiplus gdi32 msimg32)
else()
  find_package(PNG REQUIRED)
  target_sources(vx_platform PRIVATE host/png_image_port.cpp)
  target_link_libraries(vx_platform PUBLIC PNG::PNG)
endif()
