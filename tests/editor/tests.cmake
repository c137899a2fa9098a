list(APPEND VANTOR_TEST_SOURCES
  editor/SheetTest.cpp
  editor/ToolsTest.cpp
  editor/OperationsTest.cpp
  editor/ZuPropTest.cpp
  editor/HistoryTest.cpp
  editor/GestureTest.cpp
  editor/LiveSolidTest.cpp
)
