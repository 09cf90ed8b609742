# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Rich-text reader: a WordPad-like document of 1 MiB and one just under the 16 MiB limit, and
# 64 large PNG pictures.
add_executable(rtf_bench ${CMAKE_CURRENT_LIST_DIR}/rtf_bench.cpp)
target_link_libraries(rtf_bench PRIVATE zuv_richtext zuv_store benchmark::benchmark)
