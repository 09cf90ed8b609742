# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(photofit_bench ${CMAKE_CURRENT_LIST_DIR}/photofit_bench.cpp)
target_link_libraries(photofit_bench PRIVATE zuv_yearcal benchmark::benchmark)
