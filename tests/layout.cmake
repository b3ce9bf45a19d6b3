# Tests of the sociogram layouts: geometry, the target rings and saved arrangements.
sociogram_test(tst_layout_geometry SOURCES tst_layout_geometry.cpp LIBS layout)
sociogram_test(tst_layout_target SOURCES tst_layout_target.cpp LIBS layout)
sociogram_test(tst_layout_saved SOURCES tst_layout_saved.cpp LIBS layout)
