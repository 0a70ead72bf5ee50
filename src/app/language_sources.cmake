# Sources of the language tables (paths relative to src/).
target_sources(vx_core PRIVATE
  app/balloons.cpp
  app/fonts.cpp
  app/language_text.cpp
)
