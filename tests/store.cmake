# The study database layer, each test on fresh database files of its own.
sociogram_test(tst_store SOURCES tst_store.cpp LIBS store)
