# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND VANTOR_TEST_SOURCES
  windows/control/ControlWindowTest.cpp
  windows/control/DataSetFlowsTest.cpp
  windows/display/DisplayWindowTest.cpp
  windows/display/FollowStoreTest.cpp
  windows/display/LookTest.cpp
  windows/display/OptionFileCommandsTest.cpp
  windows/display/OptionMenusTest.cpp
  windows/display/OptionMenuTableTest.cpp
  windows/display/PictureCommandsTest.cpp
  windows/display/PictureSizeTest.cpp
  windows/display/SimulationTest.cpp
  windows/dialogs/ExportDialogTest.cpp
  windows/dialogs/LightDialogsTest.cpp
  windows/editor/SheetTest.cpp
  windows/editor/ToolsTest.cpp
  windows/editor/OperationsTest.cpp
  windows/editor/FigurePropertiesTest.cpp
  windows/editor/HistoryTest.cpp
  windows/editor/GestureTest.cpp
  windows/editor/LiveSolidTest.cpp
  windows/scenario/FrameSavesTest.cpp
  windows/scenario/ScenarioWindowTest.cpp
  windows/scenario/PlaybackWindowTest.cpp
  windows/shared/AnimationClockTest.cpp
)
