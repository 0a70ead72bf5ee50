# Sources of the profile file format (paths relative to src/).
target_sources(vx_core PRIVATE
  profiles/profile_file_reader.cpp
  profiles/profile_file_writer.cpp
  profiles/profile_format.cpp
  profiles/profile_library.cpp
  profiles/profile_lines.cpp
  profiles/profile_names.cpp
  profiles/profile_record_values.cpp
  profiles/profile_relations.cpp
  profiles/profile_values.cpp
)
