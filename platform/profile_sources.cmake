# The system profile store: kernel32 on Windows, the INI engine on the host.
if(WIN32)
  target_sources(vx_platform PRIVATE win32/win32_profile_store.cpp)
else()
  target_sources(vx_platform PRIVATE host/host_profile_store.cpp)
endif()
