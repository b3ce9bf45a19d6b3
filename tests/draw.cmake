# The drawing as values: lines, markers, guides, labels, key, page and picture files.
sociogram_test(tst_draw SOURCES tst_draw.cpp LIBS draw)
