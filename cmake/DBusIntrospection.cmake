# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
# Run as a script: cmake -DADAPTOR=... -DOUTPUT=... -DMACRO=... -P DBusIntrospection.cmake
# Writes the introspection data qdbusxml2cpp put into ADAPTOR (a generated adaptor header) as the
# macro MACRO, for a subclass of that adaptor: Qt introspects an adaptor through its most derived
# class's own data only, and the interface is then written down in the XML file alone.

file(READ ${ADAPTOR} header)
string(REGEX MATCH "Q_CLASSINFO\\(\"D-Bus Introspection\", \"\"\n(.*)\n *\"\"\\)" found "${header}")
if(NOT found)
  message(FATAL_ERROR "no introspection data in ${ADAPTOR}")
endif()
string(REPLACE "\n" " \\\n" lines "${CMAKE_MATCH_1}")
set(text "// Generated from ${ADAPTOR}: do not edit.\n#pragma once\n#define ${MACRO} \\\n${lines}\n")
file(WRITE ${OUTPUT} "${text}")
