# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Calendar file reader. Seeds: tests/data/exchange/ics_seeds.
add_executable(ics_fuzz ${CMAKE_CURRENT_LIST_DIR}/ics_fuzz.cpp)
target_link_libraries(ics_fuzz PRIVATE zuv_exchange)
target_compile_options(ics_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(ics_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
