# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  model/FigureStoreTest.cpp
  model/FigureStoreVerbsTest.cpp
  model/ScenarioTest.cpp
  model/formats/DataSetFilesTest.cpp
  model/formats/OptionFileTest.cpp
  model/formats/VertexFormatsTest.cpp
  model/options/StandardOptionsTest.cpp
)
