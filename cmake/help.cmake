# The user help: docs/help/Surfax.ms (groff ms macros with tbl tables) rendered to Surfax.pdf by groff's PDF
# device (gropdf), and copied into plug-in folders.
#
# Included from the top-level CMakeLists.txt, this file
# - defines the target surfax_help, which leaves the PDF in ${CMAKE_BINARY_DIR}/help/Surfax.pdf: rendered from the
#   source when groff with the pdf device is found, otherwise copied from the committed docs/Surfax.pdf;
# - defines surfax_copy_help(TARGET FOLDER), which copies that PDF into FOLDER after TARGET builds.
#
# Run as a script it renders one PDF (scripts/make-help and the build both use this, so the two give the same bytes):
#   cmake -DSURFAX_GROFF=/usr/bin/groff -DSURFAX_HELP_SOURCE=docs/help/Surfax.ms -DSURFAX_HELP_OUTPUT=out.pdf
#         [-DSURFAX_HELP_WORK=scratch-folder] -P cmake/help.cmake
#
# The contents list on the first page needs the page numbers of the sections, which are known only after
# formatting, so the source is formatted until the section list it reports (through .tm) equals the list it was
# given. The list's own size does not change the numbering (it always fills the first page), so the second pass
# normally settles it; the loop is bounded all the same.

# The PDF's creation date. gropdf would otherwise stamp the current time, and every build would change the bytes of
# a file that is committed. A fixed stamp keeps the output a function of the source alone.
set(SURFAX_HELP_DATE_EPOCH 1796688000) # 2026-12-08 00:00 UTC
set(SURFAX_HELP_MAX_PASSES 4)

# groff with the ms and pdf macro packages, tbl, A4 paper (the source sets its own page length too).
function(surfax_help_groff_command out_var groff source toc_file)
	set(${out_var} ${groff} -Tpdf -t -ms -mpdf -P-pa4 -ww -dTOCFILE=${toc_file} ${source} PARENT_SCOPE)
endfunction()

# Renders source to output. work holds the contents list between passes.
function(surfax_render_help groff source output work)
	if(NOT EXISTS ${source})
		message(FATAL_ERROR "help source not found: ${source}")
	endif()
	file(MAKE_DIRECTORY ${work})
	get_filename_component(output_dir ${output} DIRECTORY)
	file(MAKE_DIRECTORY ${output_dir})
	set(toc_file ${work}/Surfax.toc)
	set(pdf_file ${work}/Surfax.pdf.tmp)
	set(ENV{SOURCE_DATE_EPOCH} ${SURFAX_HELP_DATE_EPOCH})
	file(WRITE ${toc_file} "")
	set(toc "")
	set(settled FALSE)
	foreach(pass RANGE 1 ${SURFAX_HELP_MAX_PASSES})
		surfax_help_groff_command(command ${groff} ${source} ${toc_file})
		execute_process(COMMAND ${command} OUTPUT_FILE ${pdf_file} ERROR_VARIABLE messages RESULT_VARIABLE result)
		if(NOT result EQUAL 0)
			message(FATAL_ERROR "groff failed (${result}) on ${source}:\n${messages}")
		endif()
		# Section lines read "surfax-toc LEVEL PAGE NUMBER TITLE"; anything else groff said is a warning.
		set(reported "")
		set(warnings "")
		string(REPLACE "\n" ";" lines "${messages}")
		foreach(line IN LISTS lines)
			if(line MATCHES "^surfax-toc ([0-9]+) ([0-9]+) ([0-9.]+) (.+)$")
				string(APPEND reported ".TOCENTRY ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} \"${CMAKE_MATCH_4}\"\n")
			elseif(NOT line STREQUAL "")
				list(APPEND warnings "${line}")
			endif()
		endforeach()
		if(reported STREQUAL toc)
			set(settled TRUE)
			break()
		endif()
		set(toc "${reported}")
		file(WRITE ${toc_file} "${toc}")
	endforeach()
	foreach(warning IN LISTS warnings)
		message(WARNING "groff: ${warning}")
	endforeach()
	if(NOT settled)
		message(FATAL_ERROR "the contents list of ${source} did not settle in ${SURFAX_HELP_MAX_PASSES} passes")
	endif()
	file(RENAME ${pdf_file} ${output})
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
	foreach(required SURFAX_GROFF SURFAX_HELP_SOURCE SURFAX_HELP_OUTPUT)
		if(NOT DEFINED ${required})
			message(FATAL_ERROR "help.cmake as a script needs -D${required}=...")
		endif()
	endforeach()
	if(NOT DEFINED SURFAX_HELP_WORK)
		get_filename_component(SURFAX_HELP_WORK ${SURFAX_HELP_OUTPUT} DIRECTORY)
	endif()
	surfax_render_help(${SURFAX_GROFF} ${SURFAX_HELP_SOURCE} ${SURFAX_HELP_OUTPUT} ${SURFAX_HELP_WORK})
	return()
endif()

# --- In the build ----------------------------------------------------------------------------------------------------
set(SURFAX_HELP_SOURCE ${CMAKE_SOURCE_DIR}/docs/help/Surfax.ms)
set(SURFAX_HELP_COMMITTED ${CMAKE_SOURCE_DIR}/docs/Surfax.pdf)
set(SURFAX_HELP_PDF ${CMAKE_BINARY_DIR}/help/Surfax.pdf)
set(SURFAX_HELP_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# groff-base alone has no pdf device, so a groff binary is not enough: try the device on a one-line document.
find_program(SURFAX_GROFF groff)
set(SURFAX_HELP_CAN_RENDER FALSE)
if(SURFAX_GROFF)
	set(probe ${CMAKE_BINARY_DIR}/help/probe.ms)
	file(WRITE ${probe} ".LP\nSurfax\n")
	execute_process(COMMAND ${SURFAX_GROFF} -Tpdf -t -ms -mpdf ${probe}
		OUTPUT_VARIABLE probe_pdf ERROR_QUIET RESULT_VARIABLE probe_result)
	if(probe_result EQUAL 0 AND probe_pdf MATCHES "^%PDF")
		set(SURFAX_HELP_CAN_RENDER TRUE)
	endif()
	unset(probe_pdf)
	file(REMOVE ${probe})
endif()

if(SURFAX_HELP_CAN_RENDER)
	message(STATUS "User help: rendered from docs/help/Surfax.ms with ${SURFAX_GROFF}")
	add_custom_command(OUTPUT ${SURFAX_HELP_PDF}
		COMMAND ${CMAKE_COMMAND} -DSURFAX_GROFF=${SURFAX_GROFF} -DSURFAX_HELP_SOURCE=${SURFAX_HELP_SOURCE}
			-DSURFAX_HELP_OUTPUT=${SURFAX_HELP_PDF} -DSURFAX_HELP_WORK=${CMAKE_BINARY_DIR}/help/work
			-P ${SURFAX_HELP_SCRIPT}
		DEPENDS ${SURFAX_HELP_SOURCE} ${SURFAX_HELP_SCRIPT}
		COMMENT "Rendering the user help Surfax.pdf"
		VERBATIM)
elseif(EXISTS ${SURFAX_HELP_COMMITTED})
	message(STATUS "User help: groff with the pdf device not found (apt-get install groff); using docs/Surfax.pdf")
	add_custom_command(OUTPUT ${SURFAX_HELP_PDF}
		COMMAND ${CMAKE_COMMAND} -E copy ${SURFAX_HELP_COMMITTED} ${SURFAX_HELP_PDF}
		DEPENDS ${SURFAX_HELP_COMMITTED}
		COMMENT "Copying the committed user help Surfax.pdf"
		VERBATIM)
else()
	message(FATAL_ERROR "User help: neither groff with the pdf device nor docs/Surfax.pdf is available")
endif()

# One target owns the custom command, so plug-ins that copy the PDF never render it twice in parallel.
add_custom_target(surfax_help ALL DEPENDS ${SURFAX_HELP_PDF})

# surfax_copy_help(TARGET FOLDER): after TARGET builds, FOLDER/Surfax.pdf is the current help. The plot object's
# Help button opens Surfax.pdf in the plug-in's folder, so plug-in targets pass their folder here.
function(surfax_copy_help target folder)
	add_dependencies(${target} surfax_help)
	add_custom_command(TARGET ${target} POST_BUILD
		COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
		COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_BINARY_DIR}/help/Surfax.pdf ${folder}/Surfax.pdf
		VERBATIM)
endfunction()
