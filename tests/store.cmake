# Tests of the study database layer, each on fresh database files of its own.
sociogram_test(tst_store_requests SOURCES tst_store_requests.cpp LIBS store)
sociogram_test(tst_store_failures SOURCES tst_store_failures.cpp LIBS store)
