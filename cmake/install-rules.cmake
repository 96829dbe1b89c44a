include(GNUInstallDirs)

install(TARGETS grimstep RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
