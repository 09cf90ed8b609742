# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Table file loader. Seeds: tests/data/core/table_seeds (ok_* load, bad_* are refused).
add_executable(table_fuzz ${CMAKE_CURRENT_LIST_DIR}/table_fuzz.cpp)
target_link_libraries(table_fuzz PRIVATE zuv_store)
target_compile_options(table_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(table_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
