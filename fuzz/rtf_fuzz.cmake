# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Rich-text reader. Seeds: tests/data/core/rtf and its seeds/ folder; dictionary: rtf_fuzz.dict.
add_executable(rtf_fuzz ${CMAKE_CURRENT_LIST_DIR}/rtf_fuzz.cpp)
target_link_libraries(rtf_fuzz PRIVATE zuv_richtext zuv_core Qt6::Gui)
target_compile_options(rtf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(rtf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
