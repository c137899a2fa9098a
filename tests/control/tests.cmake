list(APPEND VANTOR_TEST_SOURCES
  control/FigureStoreTest.cpp
  control/SharedRoutinesTest.cpp
  control/TControlFTest.cpp
)
