# Copies the settings templates (SRC) beside the program (DST) when they exist.
if(EXISTS ${SRC})
  file(GLOB templates ${SRC}/*.INI)
  file(COPY ${templates} DESTINATION ${DST})
endif()
