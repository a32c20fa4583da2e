# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a help page from its template with the function-key table of its language in place of
# @FUNCTION_KEYS@, so the three pages of a language cannot disagree on the keys.
# cmake -DKEYS=... -DTEMPLATE=... -DOUTPUT=... -P HelpPage.cmake
file(READ ${KEYS} FUNCTION_KEYS)
# The template's own line break follows the placeholder.
string(REGEX REPLACE "\n$" "" FUNCTION_KEYS "${FUNCTION_KEYS}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
