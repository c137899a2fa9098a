list(APPEND VANTOR_CORE_SOURCES
  src/app/English.cpp
  src/app/HelpTopics.cpp
  src/app/Japanese.cpp
  src/app/Program.cpp
  src/app/TextTemplates.cpp
)
