# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Calendar files: reading 10,000 events onto a year's pages, writing a year with 60 birthdays.
if(TARGET zuv_exchange)
  add_executable(exchange_bench ${CMAKE_CURRENT_LIST_DIR}/exchange_bench.cpp)
  target_link_libraries(exchange_bench PRIVATE zuv_exchange benchmark::benchmark)
endif()
