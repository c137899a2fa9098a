list(APPEND VANTOR_CORE_SOURCES
  src/anime/FrameSource.cpp
  src/anime/Scenario.cpp
  src/anime/TAnimeF.cpp
  src/anime/TAnimeFFrames.cpp
  src/anime/TAnimeFScenario.cpp
  src/anime/TAnimeMoveF.cpp
  src/anime/export/ApngWriter.cpp
  src/anime/export/FitFrame.cpp
  src/anime/export/GifWriter.cpp
  src/anime/export/ScenarioExport.cpp
)
