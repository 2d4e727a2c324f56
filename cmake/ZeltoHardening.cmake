# The hardening a Debian package is expected to carry, for every program and
# library of the build: position-independent executables, full RELRO with
# immediate binding, the strong stack protector, stack clash protection
# where the compiler has it, and _FORTIFY_SOURCE at the highest level that
# the compiler, the C library and Qt's containers get right. No
# -fcf-protection: the C library's start files carry no IBT/SHSTK note here,
# so the linker would drop the property from every program anyway.
#
# Left out of the sanitizer builds, whose interceptors and shadow memory do
# the same checks better and clash with the fortified wrappers, and
# _FORTIFY_SOURCE left out of unoptimised builds, where it does nothing but
# warn. Sets ZELTO_HARDENED when the whole set is in force.

option(ZELTO_HARDENING "Build with the distribution's hardening flags" ON)
set(ZELTO_HARDENED OFF)
if(NOT ZELTO_HARDENING OR SANITIZE)
  return()
endif()

include(CheckPIESupported)
include(CheckCXXCompilerFlag)
include(CheckCXXSourceRuns)

check_pie_supported(OUTPUT_VARIABLE _zelto_pie_message LANGUAGES C CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
  message(WARNING "The linker makes no position-independent executables: ${_zelto_pie_message}")
  return()
endif()

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
check_cxx_compiler_flag(-fstack-clash-protection ZELTO_HAS_STACK_CLASH_PROTECTION)
if(ZELTO_HAS_STACK_CLASH_PROTECTION)
  add_compile_options(-fstack-clash-protection)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)

# Level 3 needs the compiler's __builtin_dynamic_object_size and a C library
# that knows the level (glibc 2.34), and it must get Qt's containers right:
# GCC 12 takes the buffer of a Qt 5 QByteArray (its header's address plus
# an offset) for an object of 0 bytes, so every fortified call that fills
# one, such as readlink into QByteArray::data(), aborts with "buffer overflow
# detected". So the probe runs exactly that, and level 2 is used otherwise.
set(CMAKE_REQUIRED_FLAGS "-O2 -fPIC -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3")
set(CMAKE_REQUIRED_LIBRARIES Qt5::Core)
check_cxx_source_runs("
#include <QByteArray>
#include <unistd.h>
#if !defined(__USE_FORTIFY_LEVEL) || __USE_FORTIFY_LEVEL < 3
#error no level 3
#endif
int main()
{
    QByteArray buffer(4096, Qt::Uninitialized);
    return readlink(\"/proc/self/exe\", buffer.data(), static_cast<size_t>(buffer.size())) > 0 ? 0 : 1;
}" ZELTO_FORTIFY_3_FITS_QT)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LIBRARIES)
if(ZELTO_FORTIFY_3_FITS_QT)
  set(ZELTO_FORTIFY_LEVEL 3)
else()
  set(ZELTO_FORTIFY_LEVEL 2)
endif()
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${ZELTO_FORTIFY_LEVEL}>")

if(CMAKE_BUILD_TYPE STREQUAL "Debug")
  message(STATUS "Hardening: PIE, RELRO, BIND_NOW, stack protector; no _FORTIFY_SOURCE in a Debug build")
else()
  set(ZELTO_HARDENED ON)
  message(STATUS "Hardening: PIE, RELRO, BIND_NOW, stack protector, _FORTIFY_SOURCE=${ZELTO_FORTIFY_LEVEL}")
endif()
