# The editing session: the state of the open document and the program-wide
# settings, and the interfaces through which it reaches the platform.
list(APPEND BRISEL_CANVAS_SOURCES
  CustomColours.cpp
  EditSession.cpp
  SessionNew.cpp
  SessionSettings.cpp
  SessionUndo.cpp
  CommandStates.h
  CustomColours.h
  EditSession.h
  Hint.h
  ProgramSettings.h
  Prompter.h
  SaveResult.h
  ShellOpener.h
)
# The file commands, the recent files and the desktop's recently-used list.
list(APPEND BRISEL_CANVAS_SOURCES
  SessionFiles.cpp
  RecentDocuments.h
  RecentFiles.h RecentFiles.cpp
  RecentIcon.h RecentIcon.cpp
  XbelRecentDocuments.h XbelRecentDocuments.cpp
)
# The image list commands and the colours of the session.
list(APPEND BRISEL_CANVAS_SOURCES
  SessionImages.cpp
  SessionColours.cpp
  SessionFloating.cpp
)
