# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Year calendar project reader. Seeds: tests/data/yearcalendar/project_seeds (ok_* are read,
# bad_* are refused).
add_executable(yearproject_fuzz ${CMAKE_CURRENT_LIST_DIR}/yearproject_fuzz.cpp)
target_link_libraries(yearproject_fuzz PRIVATE zuv_yearcal)
target_compile_options(yearproject_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(yearproject_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
