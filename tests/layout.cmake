# The layouts as plain geometry.
sociogram_test(tst_layout SOURCES tst_layout.cpp LIBS layout)
