# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
if(TARGET zuv_app)
  add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/app_bench.cpp)
  target_link_libraries(app_bench PRIVATE zuv_app benchmark::benchmark)
  add_dependencies(app_bench zuv_data)
endif()
