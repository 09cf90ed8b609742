# SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
# SPDX-License-Identifier: GPL-2.0-or-later
# Start to first paint of the program beside a bare Qt window: bench/first_paint.sh.
add_library(firstpaint_probe SHARED ${CMAKE_CURRENT_LIST_DIR}/firstpaint_probe.cpp)
target_link_libraries(firstpaint_probe PRIVATE Qt6::Gui ${CMAKE_DL_LIBS})
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
add_custom_target(first_paint_bench DEPENDS firstpaint_probe bare_window zuvododerod)
