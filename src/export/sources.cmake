# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_CORE_SOURCES
  src/export/animation/ApngWriter.cpp
  src/export/animation/FitFrame.cpp
  src/export/animation/FrameCanvas.cpp
  src/export/animation/GifColours.cpp
  src/export/animation/GifWriter.cpp
  src/export/animation/ScenarioExport.cpp
  src/export/mesh/Measure.cpp
  src/export/mesh/Mesh3mf.cpp
  src/export/mesh/MeshFiles.cpp
  src/export/mesh/PrintChecks.cpp
  src/export/mesh/Profile.cpp
  src/export/mesh/ProfileTemplate.cpp
  src/export/mesh/TemplateVector.cpp
  src/export/mesh/Regions.cpp
  src/export/mesh/Revolve.cpp
  src/export/mesh/SolidExport.cpp
  src/export/mesh/ThinWalls.cpp
  src/export/mesh/Triangulate.cpp
)
