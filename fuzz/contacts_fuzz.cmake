# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# vCard and CSV contact reader. Seeds: tests/data/exchange/contact_seeds.
add_executable(contacts_fuzz ${CMAKE_CURRENT_LIST_DIR}/contacts_fuzz.cpp)
target_link_libraries(contacts_fuzz PRIVATE zuv_exchange)
target_compile_options(contacts_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(contacts_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
