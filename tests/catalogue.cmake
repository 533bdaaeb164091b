# SPDX-License-Identifier: MIT
StarchaseTest(NAME catalogue_test SOURCES unit/CatalogueFileTest.cpp unit/ShipCatalogueTest.cpp
              unit/PrintableTest.cpp unit/FormattedTest.cpp
              LIBS catalogue)
StarchaseTest(NAME catalogue_gl_test SOURCES gl/LoadShipCatalogueGLTest.cpp
              LIBS catalogue shipyard_writers GL)
# The readers against hostile files: memory limits, pipes and devices, huge catalogues.
StarchaseTest(NAME hostile_files_test SOURCES unit/HostileFilesTest.cpp
              LIBS catalogue shipyard_writers)
