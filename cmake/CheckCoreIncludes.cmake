# Fails when a source of the core library includes from app/ or a widget header: the core has
# no widget code. Run as a test: cmake -DSOURCE_DIR=<root> -DSOURCES="a.cpp|/abs/b.h" -P <this>.
string(REPLACE "|" ";" SOURCES "${SOURCES}")
list(FILTER SOURCES EXCLUDE REGEX "_autogen/") # what moc and uic generate
foreach(source IN LISTS SOURCES)
    if(NOT IS_ABSOLUTE "${source}")
        set(source "${SOURCE_DIR}/${source}")
    endif()
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "[\"<](app/|forms/|ui_|Q[a-zA-Z]*Widget|QtWidgets|QtPrintSupport|QPrint|QDialog|QMessageBox|qwt)")
            message(SEND_ERROR "${source}: ${line}")
        endif()
    endforeach()
endforeach()
list(LENGTH SOURCES count)
message(STATUS "${count} core sources checked")
