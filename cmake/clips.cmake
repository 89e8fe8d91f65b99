# The clips of resources/clips.txt: CLIP_NAMES (beep2 ...) and CLIP_FILES (their
# .wav files), read once for every directory that needs them.
set(clip_manifest ${PROJECT_SOURCE_DIR}/resources/clips.txt)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${clip_manifest})
file(STRINGS ${clip_manifest} clip_lines REGEX "^[a-z0-9]+ ")
set(CLIP_NAMES)
set(CLIP_FILES)
foreach(line IN LISTS clip_lines)
    string(REGEX MATCH "^[a-z0-9]+" name "${line}")
    list(APPEND CLIP_NAMES ${name})
    list(APPEND CLIP_FILES ${PROJECT_SOURCE_DIR}/resources/${name}.wav)
endforeach()

# The Windows resource script: each clip a WAVE resource in US English
# (language 1033), named by its cue in upper case.
if(WIN32)
    set(CLIP_RESOURCE_SCRIPT ${PROJECT_BINARY_DIR}/clips.rc)
    set(script "// Generated from resources/clips.txt; do not edit.\nLANGUAGE 9, 1\n")
    foreach(name file IN ZIP_LISTS CLIP_NAMES CLIP_FILES)
        string(TOUPPER ${name} resource)
        string(APPEND script "${resource} WAVE \"${file}\"\n")
    endforeach()
    file(CONFIGURE OUTPUT ${CLIP_RESOURCE_SCRIPT} CONTENT "${script}")
endif()
