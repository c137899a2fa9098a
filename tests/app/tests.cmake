# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  app/EnglishTest.cpp
  app/PaddedInputsTest.cpp
  app/ProgramTest.cpp
  app/RandomSessionTest.cpp
)
# The English table is checked against the Japanese texts of the sources.
set_source_files_properties(app/EnglishTest.cpp PROPERTIES COMPILE_DEFINITIONS VANTOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
set_source_files_properties(app/RandomSessionTest.cpp PROPERTIES COMPILE_DEFINITIONS VANTOR_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
