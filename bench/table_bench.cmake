# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Table store: one rewrite of the month table as every refresh does it.
add_executable(table_bench ${CMAKE_CURRENT_LIST_DIR}/table_bench.cpp)
target_link_libraries(table_bench PRIVATE zuv_store benchmark::benchmark)
