# Tests of the sociogram drawing: choice lines and guides, the printed page and the
# exported picture.
sociogram_test(tst_draw_linedraw SOURCES tst_draw_linedraw.cpp LIBS draw)
sociogram_test(tst_draw_print SOURCES tst_draw_print.cpp LIBS draw)
sociogram_test(tst_draw_export SOURCES tst_draw_export.cpp LIBS draw)
