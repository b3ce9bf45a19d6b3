# The layouts as plain geometry, and Tidy Labels.
sociogram_test(tst_layout SOURCES tst_layout.cpp LIBS layout)
