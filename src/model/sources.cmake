# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_CORE_SOURCES
  src/model/figures/FigureStore.cpp
  src/model/figures/FigureStoreVerbs.cpp
  src/model/figures/StoreSnapshot.cpp
  src/model/formats/BinaryVertexFormats.cpp
  src/model/formats/CsvFormat.cpp
  src/model/formats/DataSetFiles.cpp
  src/model/formats/DataSetLoad.cpp
  src/model/formats/FormatMessages.cpp
  src/model/formats/VanFormat.cpp
  src/model/options/OptionFields.cpp
  src/model/options/OptionFile.cpp
  src/model/options/StandardOptions.cpp
  src/model/scenario/FrameSource.cpp
  src/model/scenario/Scenario.cpp
)
