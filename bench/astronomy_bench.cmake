# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(astronomy_bench ${CMAKE_CURRENT_LIST_DIR}/astronomy_bench.cpp)
target_link_libraries(astronomy_bench PRIVATE zuv_astronomy benchmark::benchmark_main)
