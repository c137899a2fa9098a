list(APPEND VANTOR_CORE_SOURCES
  src/export/Measure.cpp
  src/export/MeshFiles.cpp
  src/export/Profile.cpp
  src/export/Revolve.cpp
)
