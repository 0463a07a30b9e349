# cmake -DENTRADA=<page> -DSALIDA=<page>.gz -P ComprimirManual.cmake
# Gzip without any tool outside CMake.
cmake_minimum_required(VERSION 3.25)
get_filename_component(_carpeta "${SALIDA}" DIRECTORY)
file(MAKE_DIRECTORY "${_carpeta}")
file(ARCHIVE_CREATE OUTPUT "${SALIDA}" PATHS "${ENTRADA}" FORMAT raw COMPRESSION GZip
     COMPRESSION_LEVEL 9)
