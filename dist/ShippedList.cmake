# Writes DIR/ShippedFiles.txt, the list of the shipped folder's files that the installer copies:
# one path a line, relative to DIR, with '/' between names, in a fixed order, the list itself left
# out. Run as the last step of making the folder:
#   cmake -DDIR=<shipped folder> -P ShippedList.cmake
set(list_name ShippedFiles.txt)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${DIR} ${DIR}/*)
list(REMOVE_ITEM files ${list_name})
list(SORT files)
if(NOT files)
    message(FATAL_ERROR "ShippedList.cmake: ${DIR} holds no files")
endif()
list(JOIN files "\n" text)
file(WRITE ${DIR}/${list_name} "${text}\n")
