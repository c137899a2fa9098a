list(APPEND VANTOR_TEST_SOURCES
  display/DepthOrderTest.cpp
  display/GeometryTest.cpp
  display/OptionFileCommandsTest.cpp
  display/OptionMenusTest.cpp
  display/PictureCommandsTest.cpp
  display/PlainStillDisplay.cpp
  display/Profiles.cpp
  display/QuadRasterTest.cpp
  display/StillDisplayTest.cpp
  display/TVantorFTest.cpp
  display/ShadingTest.cpp
  display/SimulationTest.cpp
  display/LightDialogsTest.cpp
  display/LookTest.cpp
  display/ExportDialogTest.cpp
)
