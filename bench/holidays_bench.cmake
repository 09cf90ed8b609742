# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(holidays_bench ${CMAKE_CURRENT_LIST_DIR}/holidays_bench.cpp)
target_link_libraries(holidays_bench PRIVATE zuv_holidays benchmark::benchmark_main)
