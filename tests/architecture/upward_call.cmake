# SPDX-License-Identifier: GPL-3.0-or-later
# An upward call between layers fails to link: a library on the model layer
# that calls into report/ is linked whole with the layers below the model's.
add_library(upward_call_probe STATIC EXCLUDE_FROM_ALL
  ${CMAKE_CURRENT_LIST_DIR}/upward_call/model_calls_reader.cpp)
target_link_libraries(upward_call_probe PUBLIC maprune_layer_model)
add_executable(upward_call_check EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/src/layer_check.cpp)
target_link_libraries(upward_call_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,upward_call_probe>")
set_target_properties(upward_call_probe upward_call_check PROPERTIES AUTOMOC OFF)
add_test(NAME layers_upward_call_fails_to_link
  COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target upward_call_check)
set_tests_properties(layers_upward_call_fails_to_link PROPERTIES
  PASS_REGULAR_EXPRESSION "undefined reference to [`']?maprune::HasCutOffWarning")
