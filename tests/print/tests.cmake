# The end-to-end print test runs against a real CUPS server with a PDF queue
# as default printer. Where CUPS cannot start (not root, not installed) the
# set-up says why and the test skips itself, naming the reason.
set(CUPS_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/cups-pdf-printer.sh)
add_test(NAME cups_start COMMAND sh -c
  "sh ${CUPS_SCRIPT} start ${CMAKE_BINARY_DIR} || echo 'the end-to-end print test will skip'")
add_test(NAME cups_stop COMMAND sh ${CUPS_SCRIPT} stop ${CMAKE_BINARY_DIR})
set_tests_properties(cups_start PROPERTIES FIXTURES_SETUP cups)
set_tests_properties(cups_stop PROPERTIES FIXTURES_CLEANUP cups)
set_tests_properties(tst_cupsprint PROPERTIES FIXTURES_REQUIRED cups
  SKIP_REGULAR_EXPRESSION "SKIP   : CupsPrintTest::initTestCase")
# The font box again, with the system naming its faces in Korean.
add_test(NAME tst_cupsprint_korean COMMAND tst_cupsprint fontBoxOffersEachFaceOnce)
set_tests_properties(tst_cupsprint_korean PROPERTIES FIXTURES_REQUIRED cups
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=ko_KR.UTF-8"
  SKIP_REGULAR_EXPRESSION "SKIP   : CupsPrintTest::initTestCase")
