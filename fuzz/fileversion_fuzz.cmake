# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Version record reader of the about box. Seeds: tests/data/info/fileversion_seeds.
add_executable(fileversion_fuzz ${CMAKE_CURRENT_LIST_DIR}/fileversion_fuzz.cpp)
target_link_libraries(fileversion_fuzz PRIVATE zuv_info)
target_compile_options(fileversion_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fileversion_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
