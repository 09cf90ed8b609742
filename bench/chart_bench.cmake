# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(chart_bench ${CMAKE_CURRENT_LIST_DIR}/chart_bench.cpp)
target_link_libraries(chart_bench PRIVATE zuv_charts benchmark::benchmark)
