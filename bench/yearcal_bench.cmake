# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(yearcal_bench ${CMAKE_CURRENT_LIST_DIR}/yearcal_bench.cpp)
target_link_libraries(yearcal_bench PRIVATE zuv_yearcal benchmark::benchmark)
