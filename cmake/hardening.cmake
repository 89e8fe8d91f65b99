# Hardening, as Debian builds its packages on amd64 (dpkg-buildflags with hardening=+all), with
# the stack clash and control-flow protection that Debian 12's dpkg-buildflags lacks: canaries
# on the stack, checked string and memory functions, probed stack growth, marked branch
# targets, no printf with a format from elsewhere, relocations read-only and resolved at
# start-up, programs loaded at a random address. It applies to every build type; only the
# checked functions wait for the optimised ones, as glibc's checks need the optimiser.
# Whatever the builder's own flags already say on one of these matters (-fno-stack-protector,
# -D_FORTIFY_SOURCE=3, -Wl,-z,lazy, ...) is left to them; BLOCKSLIDE_HARDENING=OFF drops it all.
# WebAssembly has none of these (the browser keeps its stack and memory apart), and the fuzzers
# run under the sanitizers, which check more.
option(BLOCKSLIDE_HARDENING "Build with the compiler's and linker's hardening" ON)
if(NOT BLOCKSLIDE_HARDENING OR BLOCKSLIDE_FUZZERS OR EMSCRIPTEN
   OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(builder_flags "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
foreach(config DEBUG RELEASE RELWITHDEBINFO MINSIZEREL)
    string(APPEND builder_flags " ${CMAKE_CXX_FLAGS_${config}} ${CMAKE_EXE_LINKER_FLAGS_${config}}")
endforeach()

# blockslide_harden([UNLESS PATTERN] COMPILE options... | LINK options...): adds the options
# unless the builder's own flags match PATTERN or the tools refuse them.
function(blockslide_harden)
    cmake_parse_arguments(PARSE_ARGV 0 harden "" "UNLESS" "COMPILE;LINK")
    if(DEFINED harden_UNLESS AND builder_flags MATCHES "${harden_UNLESS}")
        return()
    endif()
    if(harden_COMPILE)
        string(MAKE_C_IDENTIFIER "BLOCKSLIDE_COMPILER_TAKES${harden_COMPILE}" accepted)
        check_cxx_compiler_flag("${harden_COMPILE}" ${accepted})
        if(${accepted})
            add_compile_options(${harden_COMPILE})
        endif()
    else()
        string(MAKE_C_IDENTIFIER "BLOCKSLIDE_LINKER_TAKES${harden_LINK}" accepted)
        check_linker_flag(CXX "${harden_LINK}" ${accepted})
        if(${accepted})
            add_link_options(${harden_LINK})
        endif()
    endif()
endfunction()

blockslide_harden(UNLESS "stack-protector" COMPILE -fstack-protector-strong)
blockslide_harden(UNLESS "format-security" COMPILE -Wformat -Werror=format-security)
# AddressSanitizer checks memory itself, and would miss what goes through the __*_chk functions.
if(NOT BLOCKSLIDE_SANITIZE AND NOT builder_flags MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
# mingw-w64 has the canary's handler and the checked functions in libssp, which GCC links
# (statically, as everything in the .exe) when it sees the stack protector at the link.
if(WIN32)
    blockslide_harden(LINK -fstack-protector-strong)
endif()

# The rest is for ELF systems. Windows probes each new stack page itself and has no use for
# the branch marks; the mingw-w64 linker (binutils 2.36 and later) already makes every .exe
# relocatable, at a high-entropy address, with data not executable.
if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    return()
endif()
blockslide_harden(UNLESS "stack-clash-protection" COMPILE -fstack-clash-protection)
blockslide_harden(UNLESS "cf-protection" COMPILE -fcf-protection)  # x86 only: elsewhere refused
blockslide_harden(UNLESS "relro" LINK -Wl,-z,relro)
blockslide_harden(UNLESS "-z,now|-z,lazy|-znow|-zlazy" LINK -Wl,-z,now)
if(NOT builder_flags MATCHES "-no-pie")
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
