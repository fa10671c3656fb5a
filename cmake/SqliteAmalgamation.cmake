# SQLite built from its amalgamation (SLOTSMITH_SQLITE_SOURCE: sqlite3.c and sqlite3.h), as the
# target SQLite::SQLite3 that find_package(SQLite3) gives elsewhere, with what the library uses:
# FTS5 for name search, threads, and no loading of extensions.
enable_language(C)
if(NOT EXISTS ${SLOTSMITH_SQLITE_SOURCE}/sqlite3.c OR NOT EXISTS ${SLOTSMITH_SQLITE_SOURCE}/sqlite3.h)
  message(FATAL_ERROR "SLOTSMITH_SQLITE_SOURCE=${SLOTSMITH_SQLITE_SOURCE} holds no sqlite3.c and sqlite3.h")
endif()
add_library(slotsmith_sqlite3 STATIC ${SLOTSMITH_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(slotsmith_sqlite3 SYSTEM PUBLIC ${SLOTSMITH_SQLITE_SOURCE})
target_compile_definitions(slotsmith_sqlite3 PRIVATE SQLITE_ENABLE_FTS5 SQLITE_THREADSAFE=1
                                                     SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
# Not our code: its warnings are upstream's business, and -Werror must not stop the build on them.
target_compile_options(slotsmith_sqlite3 PRIVATE -w)
set_target_properties(slotsmith_sqlite3 PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(slotsmith_sqlite3 PUBLIC Threads::Threads)
endif()
if(NOT WIN32 AND NOT APPLE)
  target_link_libraries(slotsmith_sqlite3 PUBLIC m)
endif()
add_library(SQLite::SQLite3 ALIAS slotsmith_sqlite3)
set(SQLite3_FOUND TRUE)
