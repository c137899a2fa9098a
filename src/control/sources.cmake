list(APPEND VANTOR_CORE_SOURCES
  src/control/DataSetFlows.cpp
  src/control/FigureStore.cpp
  src/control/SharedRoutines.cpp
  src/control/TControlF.cpp
)
