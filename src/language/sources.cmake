# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_CORE_SOURCES
  src/language/English.cpp
  src/language/Japanese.cpp
  src/language/TextTemplates.cpp
)
