StarchaseTest(NAME catalogue_test SOURCES unit/CatalogueFileTest.cpp unit/ShipCatalogueTest.cpp
              LIBS catalogue)
StarchaseTest(NAME catalogue_gl_test SOURCES gl/LoadShipCatalogueGLTest.cpp LIBS catalogue GL)
