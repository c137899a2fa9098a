list(APPEND VANTOR_TEST_SOURCES
  control/FigureStoreTest.cpp
  control/SharedRoutinesTest.cpp
  control/TControlFTest.cpp
  control/DataSetFlowsTest.cpp
  control/formats/DataSetFilesTest.cpp
  control/formats/OptionFileTest.cpp
  control/formats/VertexFormatsTest.cpp
)
