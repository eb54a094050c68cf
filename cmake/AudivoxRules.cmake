# Compile rules shared by every target of the project.
add_library(audivox_rules INTERFACE)
target_compile_features(audivox_rules INTERFACE cxx_std_20)
target_compile_options(audivox_rules INTERFACE
  -Wall -Wextra -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor -Wcast-qual)
target_compile_definitions(audivox_rules INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_STRICT_ITERATORS
  QT_NO_CONTEXTLESS_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
target_include_directories(audivox_rules INTERFACE ${PROJECT_SOURCE_DIR})

# A GUI-free library: Qt Core and Xml only, so no model can reach for a widget.
function(audivox_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC audivox_rules Qt6::Core Qt6::Xml)
  target_precompile_headers(${name} REUSE_FROM audivox_pch_core)
endfunction()

# A library of screens and controls.
function(audivox_ui_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC audivox_rules Qt6::Core Qt6::Xml Qt6::Gui Qt6::Widgets)
  target_precompile_headers(${name} REUSE_FROM audivox_pch_ui)
endfunction()

# Precompiled Qt headers, built once and reused by every library.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/pch_dummy.cpp CONTENT "// Carrier of the precompiled Qt headers.\n")
add_library(audivox_pch_core STATIC ${CMAKE_BINARY_DIR}/pch_dummy.cpp)
target_link_libraries(audivox_pch_core PUBLIC audivox_rules Qt6::Core Qt6::Xml)
target_precompile_headers(audivox_pch_core PUBLIC <QtCore/QtCore> <QtXml/QDomDocument>)

add_library(audivox_pch_ui STATIC ${CMAKE_BINARY_DIR}/pch_dummy.cpp)
target_link_libraries(audivox_pch_ui PUBLIC audivox_rules Qt6::Core Qt6::Xml Qt6::Gui Qt6::Widgets)
target_precompile_headers(audivox_pch_ui PUBLIC <QtCore/QtCore> <QtXml/QDomDocument> <QtGui/QtGui> <QtWidgets/QtWidgets>)
set_target_properties(audivox_pch_core audivox_pch_ui PROPERTIES AUTOMOC OFF)

# The tests' precompiled headers (the screens' and QtTest), one per test folder: QtTest
# defines each test's source and build folder, which a header must match.
function(_audivox_test_pch out)
  string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_SOURCE_DIR}" folder)
  set(pch audivox_pch_test_${folder})
  if(NOT TARGET ${pch})
    add_library(${pch} STATIC ${CMAKE_BINARY_DIR}/pch_dummy.cpp)
    target_link_libraries(${pch} PUBLIC audivox_rules Qt6::Core Qt6::Xml Qt6::Gui Qt6::Widgets Qt6::Test)
    target_precompile_headers(${pch} PUBLIC <QtCore/QtCore> <QtXml/QDomDocument> <QtGui/QtGui>
      <QtWidgets/QtWidgets> <QtTest/QtTest>)
    set_target_properties(${pch} PROPERTIES AUTOMOC OFF)
  endif()
  set(${out} ${pch} PARENT_SCOPE)
endfunction()

# A QtTest executable registered with CTest; tests run headless.
function(audivox_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE audivox_rules Qt6::Core Qt6::Xml Qt6::Gui Qt6::Widgets Qt6::Test ${T_LIBS})
  _audivox_test_pch(pch)
  target_precompile_headers(${name} REUSE_FROM ${pch})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;AUDIVOX_TEST_PROGRAM_DIR=${AUDIVOX_PROGRAM_DIR};AUDIVOX_SOURCE_DIR=${PROJECT_SOURCE_DIR};QT_MEDIA_BACKEND=gstreamer"
    TIMEOUT 300)
endfunction()
