# The switching rules of the profiles and the text helper they compare names with (paths
# relative to src/).
target_sources(vx_core PRIVATE
  common/case_fold.cpp
  profiles/profile_switcher.cpp
)
