# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(photo_bench ${CMAKE_CURRENT_LIST_DIR}/photo_bench.cpp)
target_link_libraries(photo_bench PRIVATE zuv_photo benchmark::benchmark)
