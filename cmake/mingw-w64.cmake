# Cross-builds the Windows program with Debian's MinGW-w64 posix-thread
# compilers against a Qt built for x86_64-w64-mingw32 (scripts/windows-qt
# prints where it lies). Qt's own host tools (moc, rcc, uic) come from the
# Linux Qt of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT QUILLMARK_WINDOWS_QT)
    if(DEFINED ENV{QUILLMARK_WINDOWS_QT})
        set(QUILLMARK_WINDOWS_QT "$ENV{QUILLMARK_WINDOWS_QT}")
    else()
        set(QUILLMARK_WINDOWS_QT "$ENV{HOME}/.cache/quillmark/qt-6.4.2-mingw-w64")
    endif()
endif()
if(NOT EXISTS "${QUILLMARK_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "No Qt for Windows at ${QUILLMARK_WINDOWS_QT}: run scripts/windows-qt")
endif()
set(QUILLMARK_WINDOWS_QT "${QUILLMARK_WINDOWS_QT}" CACHE PATH "Qt 6 built for x86_64-w64-mingw32")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLMARK_WINDOWS_QT)

# Packages are searched inside the roots only, so Qt's prefix is a root of its
# own with its lib/cmake as the prefix path, as Qt's own toolchain file does.
set(CMAKE_FIND_ROOT_PATH "${QUILLMARK_WINDOWS_QT}" /usr/x86_64-w64-mingw32)
set(CMAKE_PREFIX_PATH "${QUILLMARK_WINDOWS_QT}/lib/cmake")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# CTest runs the test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-test)
