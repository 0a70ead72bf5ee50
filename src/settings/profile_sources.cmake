# Sources of the INI engine (paths relative to src/).
target_sources(vx_core PRIVATE
  settings/ini_document.cpp
  settings/ini_encoding.cpp
  settings/ini_engine.cpp
)
