list(APPEND VANTOR_CORE_SOURCES
  src/export/animation/ApngWriter.cpp
  src/export/animation/FitFrame.cpp
  src/export/animation/GifWriter.cpp
  src/export/animation/ScenarioExport.cpp
  src/export/mesh/Measure.cpp
  src/export/mesh/MeshFiles.cpp
  src/export/mesh/Profile.cpp
  src/export/mesh/Revolve.cpp
)
