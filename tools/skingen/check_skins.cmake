# Regenerates the skins into WORK and compares every file byte for byte with the committed
# folder COMMITTED, so the committed images never drift from the generator; then checks that
# every skin holds each image the program loads, at its size and as name@2x.png at twice its
# size, as 8-bit RGBA.
# Run as: cmake -DGENERATOR=... -DCOMMITTED=... -DWORK=... -P check_skins.cmake

set(images
  "main.png 890 660" "BasicSet2.png 890 660" "AdvancedSet2.png 890 660"
  "button-normal.png 105 21" "button-over.png 105 21"
  "button-close-normal.png 18 18" "button-close-over.png 18 18"
  "button-min-normal.png 18 18" "button-min-over.png 18 18"
  "button-Skins-normal.png 18 18" "button-Skins-over.png 18 18"
  "button-PrePage-normal.png 40 40" "button-PrePage-over.png 40 40"
  "button-NextPage-normal.png 40 40" "button-NextPage-over.png 40 40"
  "DropdownBox-normal.png 211 21" "DropdownBox-over.png 211 21"
  "slider-light.png 24 11" "slider-dark.png 24 11"
  "slider-RP-light.png 70 11" "slider-RP-dark.png 70 11"
  "slider-DPI-light.png 16 16" "slider-DPI-dark.png 16 16"
  "Pane.png 16 16" "PaneMakingTick.png 16 16"
  "combo-key.png 400 300" "single-key.png 400 300" "fire-key.png 400 300"
  "delay-time.png 400 300" "media-key.png 400 300" "windows-key.png 400 320"
  "macro-key.png 400 300" "skins.png 400 300" "profiles.png 400 300")

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

function(check_generated_equals_committed)
  file(REMOVE_RECURSE "${WORK}")
  execute_process(COMMAND "${GENERATOR}" "${WORK}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("vx_skingen exited with ${status}")
  endif()
  file(GLOB_RECURSE generated RELATIVE "${WORK}" "${WORK}/*")
  file(GLOB_RECURSE committed RELATIVE "${COMMITTED}" "${COMMITTED}/*")
  list(SORT generated)
  list(SORT committed)
  if(NOT generated STREQUAL committed)
    fail("generated files differ from the committed ones:\n${generated}\nvs\n${committed}")
  endif()
  foreach(name IN LISTS generated)
    file(SHA256 "${WORK}/${name}" made)
    file(SHA256 "${COMMITTED}/${name}" kept)
    if(NOT made STREQUAL kept)
      fail("${name} differs from what the generator draws; regenerate the skins")
    endif()
  endforeach()
endfunction()

# The PNG signature, then the IHDR chunk: width, height, bit depth, colour type.
function(check_image path width height)
  if(NOT EXISTS "${path}")
    fail("missing ${path}")
  endif()
  file(READ "${path}" header LIMIT 26 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  string(SUBSTRING "${header}" 48 4 format)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("${path} is not a PNG")
  endif()
  if(NOT w EQUAL width OR NOT h EQUAL height)
    fail("${path} is ${w} x ${h}, not ${width} x ${height}")
  endif()
  if(NOT format STREQUAL "0806")
    fail("${path} is not 8-bit RGBA")
  endif()
endfunction()

function(check_skin_folders)
  file(GLOB skins LIST_DIRECTORIES true "${COMMITTED}/*")
  list(LENGTH skins count)
  if(count LESS 2)
    fail("expected at least two skins in ${COMMITTED}")
  endif()
  foreach(skin IN LISTS skins)
    foreach(entry IN LISTS images)
      string(REPLACE " " ";" fields "${entry}")
      list(GET fields 0 name)
      list(GET fields 1 width)
      list(GET fields 2 height)
      check_image("${skin}/${name}" ${width} ${height})
      string(REGEX REPLACE "\\.png$" "@2x.png" twice "${name}")
      math(EXPR twice_width "${width} * 2")
      math(EXPR twice_height "${height} * 2")
      check_image("${skin}/${twice}" ${twice_width} ${twice_height})
    endforeach()
  endforeach()
endfunction()

check_generated_equals_committed()
check_skin_folders()
