# The layouts as plain geometry.
sociogram_test(tst_layout SOURCES tst_layout.cpp LIBS layout)
sociogram_test(tst_layout_tidy SOURCES tst_layout_tidy.cpp LIBS layout)
