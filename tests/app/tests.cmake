list(APPEND VANTOR_TEST_SOURCES
  app/ProgramTest.cpp
)
