list(APPEND VANTOR_CORE_SOURCES
  src/display/OptionFile.cpp
  src/display/TLightAF.cpp
  src/display/TLightEF.cpp
  src/display/TScrollDotF.cpp
  src/display/TVantorF.cpp
)
