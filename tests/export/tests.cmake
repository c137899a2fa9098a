list(APPEND VANTOR_TEST_SOURCES
  export/SolidExportTest.cpp
)
