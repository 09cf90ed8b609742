# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(bio_bench ${CMAKE_CURRENT_LIST_DIR}/bio_bench.cpp)
target_link_libraries(bio_bench PRIVATE zuv_bio benchmark::benchmark)
# Shares the test folder helpers.
target_include_directories(bio_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
