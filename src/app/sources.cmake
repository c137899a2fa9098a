# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_CORE_SOURCES
  src/app/Program.cpp
)
