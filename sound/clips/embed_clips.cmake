# Writes OUTPUT, a C++ source holding each WAVE file of CLIPS (a ;-list) as a
# byte array named after the file, upper-cased, plus a table of them all.
set(arrays "")
set(entries "")
foreach(path IN LISTS CLIPS)
    get_filename_component(name ${path} NAME_WE)
    string(TOUPPER ${name} upper)
    file(READ ${path} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
           "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "const unsigned char k${upper}[] = {\n    ${bytes}\n};\n\n")
    string(APPEND entries "    {\"${upper}\", k${upper}},\n")
endforeach()
file(WRITE ${OUTPUT} "// Generated at build time from resources/*.wav; do not edit.
#include \"sound/clips.h\"

namespace blockslide {

namespace {

${arrays}const StoredClip kClips[] = {
${entries}};

}  // namespace

std::span<const StoredClip> stored_clips() {
    return kClips;
}

}  // namespace blockslide
")
