# Read by cpack as it packages (CPACK_PROJECT_CONFIG_FILE). cpack dates the package's archives and
# every file in them SOURCE_DATE_EPOCH where that is set; by default it is the last commit's date,
# so one commit always gives the same package. Outside a git checkout the changelog's file date
# stands in, as a release tarball keeps it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(
        COMMAND git -C "${CPACK_GRIMSTEP_SOURCE_DIR}" log -1 --format=%ct
        OUTPUT_VARIABLE commit_date
        OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status
        ERROR_QUIET)
    if(status EQUAL 0 AND commit_date MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${commit_date}")
    else()
        file(TIMESTAMP "${CPACK_GRIMSTEP_SOURCE_DIR}/packaging/debian/changelog" changelog_date "%s" UTC)
        set(ENV{SOURCE_DATE_EPOCH} "${changelog_date}")
    endif()
endif()
