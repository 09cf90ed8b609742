# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Picture header checks (bitmap rows and runs, icon entries). Seeds: tests/data/photocalendar/pictures.
add_executable(picturecheck_fuzz ${CMAKE_CURRENT_LIST_DIR}/picturecheck_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/src/pictures/picturecheck.cpp)
target_include_directories(picturecheck_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/src/pictures)
target_link_libraries(picturecheck_fuzz PRIVATE Qt6::Core)
target_compile_options(picturecheck_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(picturecheck_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
