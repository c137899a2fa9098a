list(APPEND VANTOR_CORE_SOURCES
  src/editor/TGEditF.cpp
  src/editor/TZuPropF.cpp
)
