# The pure sources (no Windows headers), and the tests that exercise only
# them: built with the host compiler by tests/native and, under the
# sanitizers, by tests/fuzz. Needs DORVANE_ROOT. A file named here must not
# include a Windows header.
set(DORVANE_PURE_SOURCES
  ${DORVANE_ROOT}/src/app/ProgramFolder.cpp
  ${DORVANE_ROOT}/src/audio/MixerDecibel.cpp
  ${DORVANE_ROOT}/src/audio/DeviceText.cpp
  ${DORVANE_ROOT}/src/i18n/Utf8Decode.cpp
  ${DORVANE_ROOT}/src/link/CopyDataText.cpp
  ${DORVANE_ROOT}/src/ring/RingFiles.cpp
  ${DORVANE_ROOT}/src/settings/RingToneBits.cpp
  ${DORVANE_ROOT}/src/settings/TextLines.cpp
  ${DORVANE_ROOT}/src/web/WebAddress.cpp)
set(DORVANE_PURE_TESTS
  ${DORVANE_ROOT}/tests/unit/app/ProgramFolderTest.cpp
  ${DORVANE_ROOT}/tests/unit/audio/MixerDecibelTest.cpp
  ${DORVANE_ROOT}/tests/unit/endpointlib/SharedWindowTest.cpp
  ${DORVANE_ROOT}/tests/unit/ring/RingFilesTest.cpp
  ${DORVANE_ROOT}/tests/unit/settings/RingToneBitsTest.cpp
  ${DORVANE_ROOT}/tests/unit/settings/TextLinesTest.cpp
  ${DORVANE_ROOT}/tests/unit/web/WebAddressTest.cpp)
