# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# The name list: adding, loading and the name box's refill at 10 and 100,000 names.
if(TARGET zuv_people)
  add_executable(names_bench ${CMAKE_CURRENT_LIST_DIR}/names_bench.cpp)
  target_link_libraries(names_bench PRIVATE zuv_people benchmark::benchmark)
endif()
