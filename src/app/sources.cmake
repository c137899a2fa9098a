list(APPEND VANTOR_CORE_SOURCES
  src/app/Program.cpp
)
