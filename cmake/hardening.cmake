# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# The hardening Debian asks of a package, for every build a user or the package gets:
# position-independent executables, stack protector and stack-clash probes, control-flow
# protection, fortified libc calls (they need the optimiser), read-only relocations bound
# at start. Debug builds keep their plain code for the debugger; fuzz builds have their own
# instrumentation, which these options would only disturb.

include(CheckPIESupported)

option(ZUV_HARDENING "Hardening options in optimised, non-fuzz builds" ON)
set(ZUV_OPTIMISED_BUILD_TYPES Release RelWithDebInfo MinSizeRel)
if(NOT ZUV_HARDENING OR ZUV_FUZZ OR NOT CMAKE_BUILD_TYPE IN_LIST ZUV_OPTIMISED_BUILD_TYPES)
  message(STATUS "Hardening: off (build type '${CMAKE_BUILD_TYPE}', fuzz ${ZUV_FUZZ}, option ${ZUV_HARDENING})")
  return()
endif()

check_pie_supported(LANGUAGES C CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection)
# A build that already sets its own level (dpkg-buildflags) keeps it.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions(_FORTIFY_SOURCE=2)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
message(STATUS "Hardening: on")
