# Fails unless every listed help document exists as a PDF file of some substance.
foreach(doc ${DOCS})
  set(pdf ${DIR}/${doc}.pdf)
  if(NOT EXISTS ${pdf})
    message(FATAL_ERROR "help document not built: ${pdf}")
  endif()
  file(READ ${pdf} head LIMIT 5 HEX)
  file(SIZE ${pdf} size)
  if(NOT head STREQUAL "255044462d" OR size LESS 5000)  # "%PDF-"
    message(FATAL_ERROR "not a readable PDF: ${pdf} (${size} bytes)")
  endif()
endforeach()
list(LENGTH DOCS count)
message(STATUS "${count} help documents built")
