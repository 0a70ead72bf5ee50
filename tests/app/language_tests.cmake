# Tests of the language tables (paths relative to tests/).
target_sources(vx_tests PRIVATE
  app/balloons_test.cpp
  app/fonts_test.cpp
  app/language_text_test.cpp
)
