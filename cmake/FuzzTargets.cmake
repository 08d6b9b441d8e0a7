# What a fuzz target needs beyond the host library, shared by the libFuzzer build (the top-level CMakeLists.txt)
# and the corpus replay of the tests, so that both compile one target the same way.
#
# surfax_fuzz_target_inputs(TARGET NAME): NAME is the file name of tests/fuzz/NAME.cpp without its extension.
function(surfax_fuzz_target_inputs target name)
	if(name STREQUAL "formula_substitution_fuzz")
		# The plug-in's own substitution, compiled in as the unit tests do: it uses SDK types only.
		target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/source/formula.cpp)
		target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/source)
	elseif(name STREQUAL "document_json_fuzz" OR name STREQUAL "parameter_text_fuzz")
		# These load the built plug-in, so that documents and edits reach the plot object and its components.
		if(TARGET surfax)
			target_compile_definitions(${target} PRIVATE SURFAX_PLUGIN_LIBRARY="$<TARGET_FILE:surfax>")
			add_dependencies(${target} surfax)
		endif()
		# The command line's --set (parameter_text_fuzz) and the export's render (document_json_fuzz) come from the
		# application's library.
		target_link_libraries(${target} PRIVATE surfax_app)
	endif()
endfunction()
