list(APPEND VANTOR_CORE_SOURCES
  src/about/TAboutF.cpp
)
