list(APPEND VANTOR_CORE_SOURCES
  src/control/DataSetFlows.cpp
  src/control/FigureStore.cpp
  src/control/SharedRoutines.cpp
  src/control/TControlF.cpp
  src/control/formats/BinaryVertexFormats.cpp
  src/control/formats/CsvFormat.cpp
  src/control/formats/DataSetFiles.cpp
  src/control/formats/DataSetLoad.cpp
  src/control/formats/FormatMessages.cpp
  src/control/formats/TextNumbers.cpp
  src/control/formats/VanFormat.cpp
)
