# Sources of the key codes (paths relative to src/).
target_sources(vx_core PRIVATE
  pages/key_codes.cpp
  pages/key_name_tables.cpp
)
