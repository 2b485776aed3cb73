kw_test_area(resources kw_standin)
add_dependencies(tests_resources kw_resources)
# The committed art is what the generator draws.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME Resources.ArtIsWhatTheGeneratorDraws
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/artgen/artgen.py --check
          ${CMAKE_SOURCE_DIR}/resources/art)
