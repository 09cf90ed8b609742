# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
add_executable(picture_bench ${CMAKE_CURRENT_LIST_DIR}/picture_bench.cpp)
target_link_libraries(picture_bench PRIVATE zuv_photo benchmark::benchmark)
add_dependencies(picture_bench zuvododerod-metafile)
