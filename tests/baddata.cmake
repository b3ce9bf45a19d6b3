# Damaged study data, one bad stored value at a time, through every reader: the data
# window's grid, the four layouts, the choice lines, the printed page, the project list
# and the analysis. Build with -DSOCIOGRAM_SANITIZE=ON so that a read outside an array
# stops the test instead of passing unnoticed.
sociogram_test(tst_baddata SOURCES tst_baddata.cpp LIBS entry_core sociogram_core study_core analysis)
