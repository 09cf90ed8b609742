# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Metafile conversion under libFuzzer (configure with CC=clang-14 CXX=clang++-14 -DZUV_FUZZ=ON).
# Run: build/bin/metafile_fuzz -max_total_time=60 -rss_limit_mb=2048 <corpus dir> tests/data/photocalendar/seeds
# (tests/data/photocalendar/crashers holds inputs that crash the libraries in-process.)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_executable(metafile_fuzz ${CMAKE_CURRENT_LIST_DIR}/metafile_fuzz.cpp)
  target_compile_options(metafile_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -g -O1)
  target_link_options(metafile_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(metafile_fuzz PRIVATE zuv_metafile)
else()
  message(WARNING "metafile_fuzz needs clang (libFuzzer); skipped with ${CMAKE_CXX_COMPILER_ID}")
endif()
