# The archive catalogue (key Catalog): a line per disc in zolvane.csv, and
# the guard against a disc archived before.
list(APPEND ZV_CORE_SOURCES src/catalog/catalog_text.cpp src/catalog/result_rule.cpp
     src/catalog/asking_rule.cpp src/catalog/tree_walk.cpp)
list(APPEND ZV_WIN32_SOURCES src/catalog/catalog_file.cpp src/catalog/catalog_pass.cpp
     src/catalog/tree_listing.cpp)
