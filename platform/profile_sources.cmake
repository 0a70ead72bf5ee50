# The system profile store: kernel32 on Windows, the INI engine on the host.
if(WIN32)
  target_sources(vx_platform PRIVATE)
else()
  target_sources(vx_platform PRIVATE)
endif()
